#include "geo/GreatCirclePaths.h"

#include "geo/Geodesic.h"
#include "geo/GreatCircle.h"

#include <cmath>

namespace geo {
namespace {

constexpr double kDotSpacingKm = 10.0;

} // namespace

QList<LatLon> bisectPath(QList<LatLon> points)
{
    if (points.size() < 2)
        return points;
    for (int round = 0; round < kMaxBisectionRounds; ++round) {
        QList<LatLon> denser;
        denser.reserve(points.size() * 2 - 1);
        denser << points.first();
        for (qsizetype i = 1; i < points.size(); ++i)
            denser << midPoint(points.at(i - 1), points.at(i)) << points.at(i);
        points = std::move(denser);
        const double km = std::trunc(geodesicDistance(points.at(0), points.at(1)) / 1000.0);
        if (!(km > kDotSpacingKm))
            break; // spaced closely enough, or not measurable (NaN) at all
    }
    return points;
}

GreatCirclePaths greatCirclePaths(LatLon home, LatLon end)
{
    if (!isOnGlobe(home) || !isOnGlobe(end))
        return {};
    GreatCirclePaths paths;
    paths.shortPath = bisectPath({home, end});
    paths.longPath = bisectPath({home, antipode(midPoint(home, end)), end});
    return paths;
}

} // namespace geo
