#include "entry/InfoLines.h"

#include "entry/EntryTexts.h"
#include "geo/Locator.h"
#include "refdata/MyFunctions.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("InfoLines", "CQ: %1  ITU: %2  Sunrise: %3  Sunset: %4")
               .arg(QString::number(entity.cq), QString::number(entity.itu),
                    functions.calcSunrise(entity.locator, kSunAltitude),
                    functions.calcSunset(entity.locator, kSunAltitude)) +
           pathText(pathBetween(myLocator, entity.locator));
}

QString sunLine(const QString &locator, const MyFunctions &functions, const QString &myLocator,
                bool leadingSpaces)
{
    return (leadingSpaces ? QStringLiteral("  ") : QString()) +
           QCoreApplication::translate("InfoLines", "Sunrise: %1  Sunset: %2")
               .arg(functions.calcSunrise(locator, kSunAltitude),
                    functions.calcSunset(locator, kSunAltitude)) +
           pathText(pathBetween(myLocator, locator));
}

QString qsoCountLine(int count)
{
    if (count == 1)
        return texts::shown(texts::kOneQso);
    if (count > 1)
        return texts::shown(texts::kManyQsos).arg(count);
    return texts::shown(texts::kNoQsos);
}

QString modeSummaryLine(const QString &summary)
{
    if (summary.size() < 3)
        return {};
    return QCoreApplication::translate("InfoLines", "CW: %1  Digi: %2  Phone: %3")
        .arg(summary.at(0))
        .arg(summary.at(1))
        .arg(summary.at(2));
}

// The own position goes into the QSO's note as it stands, so it stays English.
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
