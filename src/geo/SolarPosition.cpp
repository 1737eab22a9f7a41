#include "geo/SolarPosition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace geo {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

SolarPosition solarPositionAt(const QDateTime &moment)
{
    const QDateTime utc = moment.toUTC();
    const int hour = utc.time().hour();
    const double day = utc.date().dayOfYear() + hour / 24.0;
    const double timeOfDay = hour + utc.time().minute() / 60.0;

    SolarPosition sun;
    sun.equationOfTime =
        -0.171 * std::sin(0.0337 * day + 0.465) - 0.1299 * std::sin(0.01787 * day - 0.168);
    sun.declination = 0.4095 * std::sin(0.016906 * (day - 80.086));
    sun.hourAngle0 = (timeOfDay - 12.0 + sun.equationOfTime) * 15.0;
    double lon = (12.0 - timeOfDay - sun.equationOfTime) * 15.0;
    if (lon < -180.0)
        lon += 360.0;
    else if (lon > 180.0)
        lon -= 360.0;
    sun.subsolar = {sun.declination / kDegree, lon};
    return sun;
}

double sunElevation(const SolarPosition &sun, LatLon position)
{
    const double phi = position.lat * kDegree;
    const double sine = std::sin(phi) * std::sin(sun.declination) +
                        std::cos(phi) * std::cos(sun.declination) *
                            std::cos((position.lon + sun.hourAngle0) * kDegree);
    return std::asin(std::clamp(sine, -1.0, 1.0)) / kDegree;
}

} // namespace geo
