#include "cli/StatsCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/WorkedCommands.h"
#include "db/SafeWrite.h"
#include "geo/Locator.h"
#include "map/GraylineImage.h"
#include "map/MapOverlay.h"
#include "map/WorkedLayer.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "root/AppDelegate.h"
#include "stats/ChartRenderer.h"
#include "stats/StatisticsReader.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>

namespace cli {
namespace {

constexpr int kDefaultWidth = 1200;
constexpr int kDefaultHeight = 700;
constexpr int kSmallest = 120;
constexpr int kLargest = 8000;

const QString kChartUsage =
    QStringLiteral("Usage: stats chart KIND -o FILE.png [--width W] [--height H] [--dark]");
const QString kShowUsage = QStringLiteral("Usage: stats show KIND");
const QString kGrids = QString::fromLatin1(stats::kGridsName);
const QString kEntities = QStringLiteral("entities");

QString badKind(const QString &kind, bool withGrids)
{
    const QStringList names =
        stats::kindNames() + (withGrids ? QStringList{kGrids} : QStringList{});
    return QStringLiteral("Unknown kind %1: one of %2").arg(kind, names.join(u", "));
}

std::optional<stats::QsoStatistics> statistics(Cli &cli, QString &error)
{
    return stats::readStatistics(cli.app().log().fullLogDatabasePath(), &error);
}

int pixels(const std::optional<QString> &text, int fallback)
{
    if (!text)
        return fallback;
    bool ok = false;
    const int value = text->toInt(&ok);
    return ok && value >= kSmallest && value <= kLargest ? value : 0;
}

QJsonObject momentJson(const stats::QsoMoment &qso)
{
    return {{QStringLiteral("datetime"), qso.dateTime},
            {QStringLiteral("callsign"), qso.callsign},
            {QStringLiteral("band"), qso.band},
            {QStringLiteral("mode"), qso.mode}};
}

QString momentText(const stats::QsoMoment &qso)
{
    return QStringLiteral("%1 %2 %3 %4").arg(qso.dateTime, qso.callsign, qso.band, qso.mode);
}

int showEntities(Cli &cli, const stats::QsoStatistics &numbers)
{
    QJsonArray rows;
    QStringList lines;
    for (const stats::EntitySpan &span : numbers.entities) {
        const QString name = cli.app().dxcc().adifToCountry(span.adif).cntry;
        rows.append(QJsonObject{{QStringLiteral("adif"), span.adif},
                                {QStringLiteral("prefix"), span.prefix},
                                {QStringLiteral("name"), name},
                                {QStringLiteral("qsos"), span.qsos},
                                {QStringLiteral("first"), momentJson(span.first)},
                                {QStringLiteral("last"), momentJson(span.last)}});
        lines << QStringLiteral("%1 %2 (%3 QSOs): first %4, last %5")
                     .arg(span.prefix, name)
                     .arg(span.qsos)
                     .arg(momentText(span.first), momentText(span.last));
    }
    cli.print(rows, lines);
    return Cli::Success;
}

int show(Cli &cli, const QStringList &words)
{
    Args args(words, {});
    if (!args.error().isEmpty() || args.positional().size() != 1)
        return cli.usage(kShowUsage);
    const QString name = args.positional().first();
    const std::optional<stats::Kind> kind = stats::kindFromName(name);
    if (!kind && name != kEntities)
        return cli.usage(badKind(name, false));
    QString error;
    const std::optional<stats::QsoStatistics> numbers = statistics(cli, error);
    if (!numbers)
        return cli.failed(QStringLiteral("Cannot read the logbook: %1").arg(error));
    if (!kind)
        return showEntities(cli, *numbers);

    QJsonArray bars;
    QStringList lines;
    for (const stats::Bar &bar : numbers->of(*kind)) {
        bars.append(QJsonObject{{QStringLiteral("label"), bar.label},
                                {QStringLiteral("count"), bar.count}});
        lines << QStringLiteral("%1 %2").arg(bar.label, -10).arg(bar.count, 8);
    }
    if (cli.json())
        cli.print(QJsonObject{{QStringLiteral("kind"), stats::kindName(*kind)},
                              {QStringLiteral("total"), numbers->total},
                              {QStringLiteral("bars"), bars}});
    else
        cli.print(bars, lines);
    return Cli::Success;
}

/** The grayline map shaded for now, with the own station, the worked grid squares and the QSO
 *  end points; the map's own size unless a width is given. */
QImage workedMap(Cli &cli, const stats::QsoStatistics &numbers, int width)
{
    const QImage map = map::worldMap();
    if (map.isNull())
        return {};
    const QImage shaded = map::shadedMap(map, cli.app().clock().now());
    const geo::MapProjection projection = map::projectionOf(shaded);
    const QString own = cli.app().log().getMyLocator().trimmed().toUpper();
    std::optional<geo::LatLon> home;
    if (geo::locatorIsValid(own))
        home = geo::getCLLocationFromLocator(own);
    const QSize size = width > 0
                           ? QSize(width, qRound(double(width) * shaded.height() / shaded.width()))
                           : shaded.size();
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const QRectF target(picture.rect());
    map::paintMap(painter, target, shaded, map::stationOverlay(projection, home, std::nullopt));
    map::paintWorkedLayer(painter, target, shaded.size(),
                          map::workedLayer(projection, numbers.grids, numbers.endPoints));
    painter.end();
    return picture;
}

int chart(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("output"), QStringLiteral("width"), QStringLiteral("height")},
                      {QStringLiteral("dark")}});
    const std::optional<QString> output = args.option(QStringLiteral("output"));
    if (!args.error().isEmpty() || args.positional().size() != 1 || !output)
        return cli.usage(args.error().isEmpty() ? kChartUsage : args.error());
    const QString name = args.positional().first();
    const std::optional<stats::Kind> kind = stats::kindFromName(name);
    const bool grids = name.compare(kGrids, Qt::CaseInsensitive) == 0;
    if (!kind && !grids)
        return cli.usage(badKind(name, true));
    const int width = pixels(args.option(QStringLiteral("width")), kDefaultWidth);
    const int height = pixels(args.option(QStringLiteral("height")), kDefaultHeight);
    if (width == 0 || height == 0)
        return cli.usage(QStringLiteral("--width and --height take %1 to %2 pixels")
                             .arg(kSmallest)
                             .arg(kLargest));
    if (grids && args.option(QStringLiteral("height")))
        return cli.usage(QStringLiteral("The map's height follows its width"));

    QString error;
    const std::optional<stats::QsoStatistics> numbers = statistics(cli, error);
    if (!numbers)
        return cli.failed(QStringLiteral("Cannot read the logbook: %1").arg(error));
    QImage picture;
    if (grids) {
        picture = workedMap(cli, *numbers, args.option(QStringLiteral("width")) ? width : 0);
        if (picture.isNull())
            return cli.failed(QStringLiteral("The world map is missing from this build"));
    } else {
        const stats::ChartPalette palette = args.flag(QStringLiteral("dark"))
                                                ? stats::ChartPalette::dark()
                                                : stats::ChartPalette::light();
        picture = stats::renderChart({stats::kindTitle(*kind), numbers->of(*kind)},
                                     QSize(width, height), palette);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return cli.failed(QStringLiteral("Cannot write %1").arg(*output));
    if (!safewrite::writeFile(*output, png, &error))
        return cli.failed(QStringLiteral("Cannot write %1: %2").arg(*output, error));
    cli.print(QJsonObject{{QStringLiteral("file"), *output},
                          {QStringLiteral("kind"), kind ? stats::kindName(*kind) : kGrids},
                          {QStringLiteral("width"), picture.width()},
                          {QStringLiteral("height"), picture.height()},
                          {QStringLiteral("qsos"), numbers->total},
                          {QStringLiteral("grids"), numbers->grids.size()}});
    return Cli::Success;
}

} // namespace

int statisticsCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    if (action == QLatin1String("show"))
        return show(cli, words.mid(1));
    if (action == QLatin1String("chart"))
        return chart(cli, words.mid(1));
    return statsCommand(cli, words);
}

} // namespace cli
