#include "geo/Locator.h"

#include <array>
#include <cmath>

namespace geo {
namespace {

// Divisors of the extended pairs, written out as the locator steps in degrees.
constexpr double kSubsquareLon = 0.08333333333333333;  // 1/12°
constexpr double kSubsquareLat = 0.041666666666666664; // 1/24°
constexpr double kExtSquareLon = 0.008333333333333333; // 1/120°
constexpr double kExtSquareLat = 0.004166666666666667; // 1/240°

constexpr int kCodeJ = 74; // (c - 'A') * 20 - 180 == (c - 'J') * 20
constexpr int kCodeZero = 48;
constexpr int kCodeA = 65;

QChar offset(char base, double steps)
{
    return QChar(base + static_cast<int>(steps));
}

double fraction(double value)
{
    return value - std::floor(value);
}

/** A 4-character square stands for its "LL" subsquare; nothing below 6 characters is usable. */
QString referenceLocator(const QString &locator)
{
    const QString extended = locator.size() == 4 ? locator + QStringLiteral("LL") : locator;
    return extended.size() < 6 ? QString() : extended;
}

int code(const QString &text, int index)
{
    return text.at(index).unicode();
}

} // namespace

QString getLocator(LatLon position)
{
    const double lon = position.lon + 180.0;
    const double lat = position.lat + 90.0;
    const double fieldLon = std::floor(lon / 20.0);
    const double fieldLat = std::floor(lat / 10.0);
    const double restLon = lon - 20.0 * fieldLon;
    const double restLat = lat - 10.0 * fieldLat;
    const double squareLon = std::floor(0.5 * restLon);
    const double squareLat = std::floor(restLat);

    QString result;
    result.reserve(6);
    result += offset('A', fieldLon);
    result += offset('A', fieldLat);
    result += offset('0', squareLon);
    result += offset('0', squareLat);
    result += offset('A', std::floor((restLon - 2.0 * squareLon) * 12.0));
    result += offset('A', std::floor((restLat - squareLat) * 24.0));
    return result;
}

QString getLocator8(LatLon position)
{
    const double lon = position.lon + 180.0;
    const double lat = position.lat + 90.0;

    QString result = getLocator(position);
    result += offset('0', fraction(lon / kSubsquareLon) * 10.0);
    result += offset('0', fraction(lat / kSubsquareLat) * 10.0);
    result += offset('A', fraction(lon / kExtSquareLon) * 24.0);
    result += offset('A', fraction(lat / kExtSquareLat) * 24.0);
    return result;
}

double getLat(const QString &locator)
{
    const QString loc = referenceLocator(locator);
    if (loc.isEmpty())
        return 0.0;
    return (code(loc, 1) - kCodeJ) * 10.0 + (code(loc, 3) - kCodeZero) +
           (code(loc, 5) - kCodeA) / 24.0 + 0.020833333333333332;
}

double getLon(const QString &locator)
{
    const QString loc = referenceLocator(locator);
    if (loc.isEmpty())
        return 0.0;
    return (code(loc, 0) - kCodeJ) * 20.0 + 2.0 * (code(loc, 2) - kCodeZero) +
           (code(loc, 4) - kCodeA) / 12.0 + 1.0 / 24.0;
}

LatLon getCLLocationFromLocator(const QString &locator)
{
    return {getLat(locator), getLon(locator)};
}

bool locatorIsValid(const QString &locator)
{
    const auto length = locator.size();
    if (length != 4 && length != 6 && length != 8 && length != 10)
        return false;
    // Allowed range per character pair: field, square, subsquare, extended square and subsquare.
    static constexpr std::array<std::array<char, 2>, 5> kRanges{
        {{'A', 'R'}, {'0', '9'}, {'A', 'X'}, {'0', '9'}, {'A', 'X'}}};
    for (qsizetype i = 0; i < length; ++i) {
        const auto &range = kRanges.at(static_cast<std::size_t>(i / 2));
        const QChar c = locator.at(i);
        if (c < QLatin1Char(range[0]) || c > QLatin1Char(range[1]))
            return false;
    }
    return true;
}

} // namespace geo
