#include "geo/Bearing.h"

#include "geo/Locator.h"

#include <cmath>
#include <numbers>

namespace geo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 57.29577951308232;

} // namespace

double initialBearing(LatLon from, LatLon to)
{
    const double phi1 = from.lat * kRadiansPerDegree;
    const double phi2 = to.lat * kRadiansPerDegree;
    const double deltaLambda = (to.lon - from.lon) * kRadiansPerDegree;
    const double y = std::cos(phi2) * std::sin(deltaLambda);
    const double x =
        std::sin(phi1) * std::cos(phi2) * std::cos(deltaLambda) - std::cos(phi1) * std::sin(phi2);
    // x is the usual term negated; mirroring the angle and adding 180° lands in 0…360.
    return std::atan2(y, x) * -kDegreesPerRadian + 180.0;
}

int getBearingFrom(const QString &fromLocator, const QString &toLocator)
{
    return static_cast<int>(std::lround(initialBearing(getCLLocationFromLocator(fromLocator),
                                                       getCLLocationFromLocator(toLocator))));
}

} // namespace geo
