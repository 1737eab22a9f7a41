#pragma once

#include "geo/LatLon.h"

#include <QDateTime>

namespace geo {

/** Where the sun stands at a moment, in the simple model the sun times use: day of year and
 *  hour for the declination and the equation of time, hour and minute for the hour angle. */
struct SolarPosition {
    /** Declination in radians. */
    double declination = 0.0;
    /** Equation of time E′ in hours (added to the clock time to give solar time). */
    double equationOfTime = 0.0;
    /** Hour angle of the sun at longitude 0° in degrees; add a longitude for its local one. */
    double hourAngle0 = 0.0;
    /** The point where the sun stands overhead, longitude in −180…180. */
    LatLon subsolar;
};

/** The sun's position at the moment (taken in UTC; seconds ignored). */
[[nodiscard]] SolarPosition solarPositionAt(const QDateTime &moment);

/** The sun's elevation in degrees over a position. */
[[nodiscard]] double sunElevation(const SolarPosition &sun, LatLon position);

} // namespace geo
