#include "geo/Sun.h"

#include "geo/Locator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace geo {
namespace {

// The rise and set formula was tuned with π in single precision; its results (to the minute)
// are kept by using the same value.
constexpr double kPiSingle = 3.1415927410125732;

/** Declination of the sun in radians on day T of the year. */
double declination(double dayOfYear)
{
    return 0.4095 * std::sin(0.016906 * (dayOfYear - 80.086));
}

/** Equation of time in hours (add to mean noon to get true noon). */
double equationOfTime(double dayOfYear)
{
    return 0.171 * std::sin(0.0337 * dayOfYear + 0.465) +
           0.1299 * std::sin(0.01787 * dayOfYear - 0.168);
}

enum class Event { Rise, Set };

QString sunEvent(const QString &locator, double altitude, const QDateTime &now, Event event)
{
    const QString loc = locator.size() == 4 ? locator + QStringLiteral("LL") : locator;
    if (loc.size() < 6)
        return QStringLiteral("????");

    const QDateTime utc = now.toUTC();
    // Sunrise takes the current hour into the day number, sunset the whole day.
    double day = utc.date().dayOfYear();
    if (event == Event::Rise)
        day += utc.time().hour() / 24.0;

    const double toRadians = kPiSingle / 180.0;
    const double phi = getLat(loc) * toRadians;
    const double lambda = getLon(loc);
    const double delta = declination(day);
    const double x = (std::sin(altitude * toRadians) - std::sin(phi) * std::sin(delta)) /
                     (std::cos(phi) * std::cos(delta));
    if (x > 1.0)
        return QStringLiteral("----");
    if (!(x >= -1.0))
        return QStringLiteral("++++");

    const double halfDay = 12.0 * std::acos(x) / kPiSingle;
    const double halfDaySigned = event == Event::Rise ? -halfDay : halfDay;
    return sunTimeText(12.0 + halfDaySigned + equationOfTime(day) - lambda / 15.0);
}

} // namespace

QString calcSunrise(const QString &locator, double altitude, const QDateTime &now)
{
    return sunEvent(locator, altitude, now, Event::Rise);
}

QString calcSunset(const QString &locator, double altitude, const QDateTime &now)
{
    return sunEvent(locator, altitude, now, Event::Set);
}

double calcSunElevation(const QString &locator, const QDateTime &now)
{
    constexpr double toRadians = std::numbers::pi / 180.0;
    const QDateTime utc = now.toUTC();
    const int hour = utc.time().hour();
    const double day = utc.date().dayOfYear() + hour / 24.0;
    const double timeOfDay = hour + utc.time().minute() / 60.0;

    const double hourAngle = ((timeOfDay - 12.0) - equationOfTime(day)) * 15.0 + getLon(locator);
    const double phi = getLat(locator) * toRadians;
    const double delta = declination(day);
    const double sinElevation = std::sin(phi) * std::sin(delta) +
                                std::cos(phi) * std::cos(delta) * std::cos(hourAngle * toRadians);
    // Rounding may push the sine a hair past 1 with the sun at the zenith.
    return std::asin(std::clamp(sinElevation, -1.0, 1.0)) / toRadians;
}

QString sunTimeText(double hours)
{
    if (hours >= 24.0)
        hours -= 24.0;
    if (hours < 0.0)
        hours += 24.0;
    const double whole = std::floor(hours);
    const int minutes = static_cast<int>((hours - whole) * 60.0);
    return QStringLiteral("%1%2z")
        .arg(static_cast<int>(whole), 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'));
}

} // namespace geo
