#pragma once

#include "geo/LatLon.h"

#include <QString>

/** Distances along the WGS-84 ellipsoid. */
namespace geo {

/** Length in metres of the shortest geodesic between two positions on the WGS-84 ellipsoid,
 *  solved with Karney's inverse method (J. Geodesy 87, 2013), which converges everywhere,
 *  nearly antipodal points included. NaN when a latitude lies outside −90…90°. */
[[nodiscard]] double geodesicDistance(LatLon from, LatLon to);

/** Distance between the reference points of two locators in whole kilometres, rounded half away
 *  from zero; 0 when either reference point is off the globe (lower-case or out-of-range letters
 *  give latitudes beyond the poles). */
[[nodiscard]] int getDistanceFrom(const QString &fromLocator, const QString &toLocator);

} // namespace geo
