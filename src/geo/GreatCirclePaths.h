#pragma once

#include "geo/LatLon.h"

#include <QList>

namespace geo {

/** The short and the long great-circle path between two stations as dotted lines: lists of
 *  points from home, bisected until their spacing is at most 10 km. */
struct GreatCirclePaths {
    QList<LatLon> shortPath;
    QList<LatLon> longPath;
};

/** Bisection ends after this many rounds whatever the distances say; 2^12 first segments cover
 *  half the earth's circumference in less than 10 km. */
inline constexpr int kMaxBisectionRounds = 16;

/** Inserts the midpoint between every two neighbours, round after round, until the distance
 *  from the first point to the second is at most 10 km (whole km, truncated). Stops when that
 *  distance cannot be measured and after kMaxBisectionRounds. */
[[nodiscard]] QList<LatLon> bisectPath(QList<LatLon> points);

/** Both paths from home to the far end; empty paths when either point is off the globe. */
[[nodiscard]] GreatCirclePaths greatCirclePaths(LatLon home, LatLon end);

} // namespace geo
