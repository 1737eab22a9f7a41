#pragma once

#include "geo/LatLon.h"

#include <QList>

/** Points along great circles on the sphere. Coincident and antipodal end points are defined
 *  cases: a path between coincident points stays there; between antipodes, where every great
 *  circle through both would do, the one leading north from the first point is taken. */
namespace geo {

/** True for a finite latitude within −90…90° and a finite longitude. */
[[nodiscard]] bool isOnGlobe(LatLon position);

/** The point diametrically opposite, longitude in −180…180. */
[[nodiscard]] LatLon antipode(LatLon position);

/** The great-circle midpoint of two points, longitude wrapped into −180…180. */
[[nodiscard]] LatLon midPoint(LatLon from, LatLon to);

/** The point at the fraction (0…1) of the way along the great circle. */
[[nodiscard]] LatLon intermediatePoint(LatLon from, LatLon to, double fraction);

/** The great-circle line from one point to another as 250 points, the start, points at every
 *  0.004 of the way and the end, cut into two lines where it crosses the 180° meridian (one
 *  longitude beyond +170°, the next beyond −170°, or the other way round). Empty when a point
 *  is off the globe. */
[[nodiscard]] QList<QList<LatLon>> greatCircleLine(LatLon from, LatLon to);

} // namespace geo
