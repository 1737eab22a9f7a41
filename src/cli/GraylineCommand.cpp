#include "cli/GraylineCommand.h"

#include "db/SafeWrite.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "formats/Formats.h"
#include "geo/Geodesic.h"
#include "geo/Locator.h"
#include "geo/SolarPosition.h"
#include "map/GraylineImage.h"
#include "map/MapOverlay.h"

#include <QBuffer>
#include <QImage>
#include <QJsonObject>
#include <QPainter>

#include <cmath>
#include <optional>

namespace cli {
namespace {

const QString kUsage = QStringLiteral(
    "Usage: grayline [--at \"yyyy-MM-dd HH:mm\"] [--from LOC] [--to LOC] -o FILE.png");

std::optional<geo::LatLon> position(const QString &locator)
{
    const QString upper = locator.trimmed().toUpper();
    if (!geo::locatorIsValid(upper))
        return std::nullopt;
    return geo::getCLLocationFromLocator(upper);
}

} // namespace

int graylineCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("at"), QStringLiteral("from"), QStringLiteral("to"),
                       QStringLiteral("output")},
                      {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    const std::optional<QString> output = args.option(QStringLiteral("output"));
    if (!args.positional().isEmpty() || !output)
        return cli.usage(kUsage);

    QDateTime moment = cli.app().clock().now();
    if (const std::optional<QString> at = args.option(QStringLiteral("at"))) {
        const std::optional<QDateTime> instant =
            formats::parseSqlDateTime(*at + QStringLiteral(":00"));
        if (!instant)
            return cli.usage(QStringLiteral("--at needs \"yyyy-MM-dd HH:mm\" (UTC)"));
        moment = *instant;
    }
    const std::optional<QString> fromText = args.option(QStringLiteral("from"));
    const QString homeLocator = fromText.value_or(cli.app().log().getMyLocator());
    const std::optional<geo::LatLon> home = position(homeLocator);
    if (fromText && !home)
        return cli.usage(QStringLiteral("Not a locator: %1").arg(*fromText));
    std::optional<geo::LatLon> end;
    if (const std::optional<QString> toText = args.option(QStringLiteral("to"))) {
        end = position(*toText);
        if (!end)
            return cli.usage(QStringLiteral("Not a locator: %1").arg(*toText));
        if (!home)
            cli.status(QStringLiteral("No own locator: the paths are not drawn"));
    }

    const QImage map = map::worldMap();
    if (map.isNull())
        return cli.failed(QStringLiteral("The world map is missing from this build"));
    const QImage shaded = map::shadedMap(map, moment);
    const geo::MapProjection projection = map::projectionOf(shaded);
    map::MapOverlay overlay = map::stationOverlay(projection, home, end);
    overlay.sun = projection.toPixel(geo::solarPositionAt(moment).subsolar);

    QImage picture(shaded.size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    map::paintMap(painter, QRectF(picture.rect()), shaded, overlay);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    QString error;
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return cli.failed(QStringLiteral("Cannot write %1").arg(*output));
    if (!safewrite::writeFile(*output, png, &error))
        return cli.failed(QStringLiteral("Cannot write %1: %2").arg(*output, error));

    QJsonObject result{{QStringLiteral("file"), *output},
                       {QStringLiteral("moment"), formats::sqlDateTime(moment)}};
    if (home)
        result.insert(QStringLiteral("from"), geo::getLocator(*home));
    if (end)
        result.insert(QStringLiteral("to"), geo::getLocator(*end));
    if (home && end)
        result.insert(QStringLiteral("km"),
                      qint64(std::trunc(geo::geodesicDistance(*home, *end) / 1000.0)));
    cli.print(result);
    return Cli::Success;
}

} // namespace cli
