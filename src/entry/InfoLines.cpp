#include "entry/InfoLines.h"

#include "entry/EntryTexts.h"
#include "geo/Locator.h"
#include "refdata/MyFunctions.h"

namespace entry::lines {
namespace {

constexpr double kSunAltitude = -0.833;
constexpr double kTwilightLow = -12.0;
constexpr double kTwilightHigh = -0.8333;

} // namespace

std::optional<Path> pathBetween(const QString &from, const QString &to)
{
    // A distance from or to a locator that is not one would be a made-up number.
    if (!geo::locatorIsValid(from) || !geo::locatorIsValid(to))
        return std::nullopt;
    return Path{MyFunctions::getDistanceFrom(from, to), MyFunctions::getBearingFrom(from, to)};
}

QString entityLine(const CountryClass &entity)
{
    return QStringLiteral("%1  %2  %3").arg(entity.dxcc, entity.cntry, entity.cnt);
}

QString pathText(const std::optional<Path> &path)
{
    if (!path)
        return {};
    return QStringLiteral("  %1km  %2°").arg(path->km).arg(path->degrees);
}

QString zoneLine(const CountryClass &entity, const MyFunctions &functions, const QString &myLocator)
{
    return QStringLiteral("CQ: ") + QStringLiteral("%1  ITU: %2  ").arg(entity.cq).arg(entity.itu) +
           QStringLiteral("Sunrise: ") + functions.calcSunrise(entity.locator, kSunAltitude) +
           QStringLiteral("  Sunset: ") + functions.calcSunset(entity.locator, kSunAltitude) +
           pathText(pathBetween(myLocator, entity.locator));
}

QString sunLine(const QString &locator, const MyFunctions &functions, const QString &myLocator,
                bool leadingSpaces)
{
    return (leadingSpaces ? QStringLiteral("  Sunrise: ") : QStringLiteral("Sunrise: ")) +
           functions.calcSunrise(locator, kSunAltitude) + QStringLiteral("  Sunset: ") +
           functions.calcSunset(locator, kSunAltitude) + pathText(pathBetween(myLocator, locator));
}

QString qsoCountLine(int count)
{
    if (count == 1)
        return QString::fromLatin1(texts::kOneQso);
    if (count > 1)
        return QString::fromLatin1(texts::kManyQsos).arg(count);
    return QString::fromLatin1(texts::kNoQsos);
}

QString modeSummaryLine(const QString &summary)
{
    if (summary.size() < 3)
        return {};
    return QStringLiteral("CW: %1  Digi: %2  Phone: %3")
        .arg(summary.at(0))
        .arg(summary.at(1))
        .arg(summary.at(2));
}

QString positionText(const QString &locator, double latitude, double longitude, double altitude)
{
    return locator + QStringLiteral(" (Lat: %1º  Long: %2º Alt: %3m)")
                         .arg(latitude, 0, 'f', 6)
                         .arg(longitude, 0, 'f', 6)
                         .arg(altitude, 0, 'f', 0);
}

QString altitudeText(double altitude)
{
    return QStringLiteral("Alt: %1m").arg(altitude, 0, 'f', 0);
}

bool isNauticalTwilight(double elevation)
{
    return elevation >= kTwilightLow && elevation < kTwilightHigh;
}

} // namespace entry::lines
