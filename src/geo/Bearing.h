#pragma once

#include "geo/LatLon.h"

#include <QString>

/** Beam headings between two positions. */
namespace geo {

/** Initial great-circle bearing on the sphere in degrees, 0…360 (0 north, 90 east); identical
 *  points give 180. */
[[nodiscard]] double initialBearing(LatLon from, LatLon to);

/** Initial bearing between the reference points of two locators, rounded half away from zero. */
[[nodiscard]] int getBearingFrom(const QString &fromLocator, const QString &toLocator);

} // namespace geo
