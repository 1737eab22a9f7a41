#include "cli/GeoCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "formats/Formats.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <QLocale>

#include <cmath>

namespace cli {
namespace {

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

int bandCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("name")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    if (const std::optional<QString> name = args.option(QStringLiteral("name"));
        name && args.positional().isEmpty()) {
        cli.print(QJsonObject{{QStringLiteral("xBand"), MyFunctions::band2xBand(*name)},
                              {QStringLiteral("qrg"), MyFunctions::mBand2qrg(*name)}});
        return Cli::Success;
    }
    const std::optional<double> kHz = formats::parseGroupedKHz(args.positional().value(0));
    if (args.positional().size() != 1 || !kHz || *kHz < 0)
        return cli.usage(QStringLiteral("Usage: band KHZ | band --name NAME"));
    const MyFunctions &functions = cli.app().functions();
    cli.print(QJsonObject{{QStringLiteral("band"), functions.qrg2mBand(*kHz)},
                          {QStringLiteral("xBand"), functions.qrg2xBand(*kHz)},
                          {QStringLiteral("mode"), functions.qrg2Mode(*kHz)},
                          {QStringLiteral("xMode"), functions.qrg2xMode(*kHz)}});
    return Cli::Success;
}

int locatorCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{}, {QStringLiteral("from")}});
    const QStringList &positional = args.positional();
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    if (args.flag(QStringLiteral("from"))) {
        const std::optional<double> lat = number(positional.value(0));
        const std::optional<double> lon = number(positional.value(1));
        // The grid ends before 90° north and 180° east: those edges would give a field after
        // "R", which is no locator.
        if (positional.size() != 2 || !lat || !lon || *lat < -90 || *lat >= 90 || *lon < -180 ||
            *lon >= 180)
            return cli.usage(QStringLiteral("Usage: locator --from LAT LON (degrees, north and "
                                            "east positive)"));
        const geo::LatLon position{*lat, *lon};
        cli.print(QJsonObject{{QStringLiteral("locator6"), MyFunctions::getLocator(position)},
                              {QStringLiteral("locator10"), MyFunctions::getLocator8(position)}});
        return Cli::Success;
    }
    if (positional.size() != 1)
        return cli.usage(QStringLiteral("Usage: locator LOC | locator --from LAT LON"));
    const QString &locator = positional.first();
    cli.print(QJsonObject{{QStringLiteral("valid"), MyFunctions::locatorIsValid(locator)},
                          {QStringLiteral("lat"), MyFunctions::getLat(locator)},
                          {QStringLiteral("lon"), MyFunctions::getLon(locator)}});
    return Cli::Success;
}

int pathCommand(Cli &cli, const QStringList &words)
{
    if (words.size() != 2)
        return cli.usage(QStringLiteral("Usage: path FROM TO"));
    for (const QString &locator : words)
        if (!MyFunctions::locatorIsValid(locator))
            return cli.usage(QStringLiteral("Not a locator: %1").arg(locator));
    cli.print(QJsonObject{
        {QStringLiteral("distanceKm"), MyFunctions::getDistanceFrom(words.at(0), words.at(1))},
        {QStringLiteral("bearing"), MyFunctions::getBearingFrom(words.at(0), words.at(1))}});
    return Cli::Success;
}

int sunCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("alt"), QStringLiteral("at")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    const std::optional<double> altitude = number(args.option(QStringLiteral("alt"), "-0.833"));
    // The sun's altitude is an angle: beyond ±90° there is no rise or set to compute.
    if (args.positional().size() != 1 || !altitude || qAbs(*altitude) > 90)
        return cli.usage(QStringLiteral("Usage: sun LOC [--alt DEG] [--at \"yyyy-MM-dd HH:mm\"]"));
    if (const std::optional<QString> at = args.option(QStringLiteral("at"))) {
        const std::optional<QDateTime> instant =
            formats::parseSqlDateTime(*at + QStringLiteral(":00"));
        if (!instant)
            return cli.usage(QStringLiteral("--at needs \"yyyy-MM-dd HH:mm\" (UTC)"));
        cli.app().clock().setFixed(*instant);
    }
    const QString &locator = args.positional().first();
    if (!MyFunctions::locatorIsValid(locator))
        return cli.usage(QStringLiteral("Not a locator: %1").arg(locator));
    const MyFunctions &functions = cli.app().functions();
    cli.print(QJsonObject{{QStringLiteral("sunrise"), functions.calcSunrise(locator, *altitude)},
                          {QStringLiteral("sunset"), functions.calcSunset(locator, *altitude)},
                          // Hundredths of a degree are more than the model's accuracy.
                          {QStringLiteral("elevation"),
                           std::round(functions.calcSunElevation(locator) * 100) / 100}});
    return Cli::Success;
}

} // namespace cli
