#include "cli/WorkedCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/DXCCModel.h"
#include "refdata/ModeClasses.h"
#include "refdata/OneDxSpotClass.h"
#include "root/AppDelegate.h"

#include <QJsonArray>

namespace cli {
namespace {

QJsonArray series(const std::array<int, dxstats::kColumns> &values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

QJsonObject pair(const dxstats::Pair &p)
{
    return {{QStringLiteral("worked"), p.worked}, {QStringLiteral("confirmed"), p.confirmed}};
}

QString pairText(const dxstats::Pair &p)
{
    return QStringLiteral("%1 worked, %2 confirmed").arg(p.worked).arg(p.confirmed);
}

} // namespace

int statusCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("band"), QStringLiteral("mode")}, {}});
    const QString band = args.option(QStringLiteral("band"), {}).toLower();
    const QString mode = args.option(QStringLiteral("mode"), {}).toUpper();
    if (!args.error().isEmpty() || args.positional().size() != 1 || band.isEmpty() ||
        mode.isEmpty())
        return cli.usage(QStringLiteral("Usage: status CALL --band BAND --mode MODE"));

    OneDxSpotClass spot;
    spot.dxCall = args.positional().first().toUpper();
    spot.band = band;
    spot.xBand = refdata::band2xBand(band);
    spot.xMode = refdata::mode2xMode(mode);
    spot.adif = cli.app().dxcc().getDXCC(spot.dxCall, cli.app().clock().now()).adif;

    LogModel &log = cli.app().log();
    const QString dxInfo = log.getDxInfoString60m(spot.adif);
    const SpotAnswers a = log.spotAnswers(spot);
    cli.print(QJsonObject{
        {QStringLiteral("stnWkdBefore"), a.stnWkdBefore},
        {QStringLiteral("stnCfdBefore"), a.stnCfdBefore},
        {QStringLiteral("dxWkd"), a.dxWkd},
        {QStringLiteral("dxCfd"), a.dxCfd},
        {QStringLiteral("dxCfdLotw"), a.dxCfdLotw},
        {QStringLiteral("bandWkd"), a.bandWkd},
        {QStringLiteral("bandCfd"), a.bandCfd},
        {QStringLiteral("bandCfdLotw"), a.bandCfdLotw},
        {QStringLiteral("modeWkd"), a.modeWkd},
        {QStringLiteral("modeCfd"), a.modeCfd},
        {QStringLiteral("modeCfdLotw"), a.modeCfdLotw},
        {QStringLiteral("bandModeWkd"), a.bandModeWkd},
        {QStringLiteral("bandModeCfd"), a.bandModeCfd},
        {QStringLiteral("dxInfo"), dxInfo},
        {QStringLiteral("callInfo"), log.makeCallsignInfoString60m(spot.dxCall)},
        {QStringLiteral("modeSummary"), LogModel::makeModeInfoText(dxInfo)},
    });
    return Cli::Success;
}

int iotaCommand(Cli &cli, const QStringList &words)
{
    if (words.size() != 1)
        return cli.usage(QStringLiteral("Usage: iota REF"));
    const QString reference = words.first().toUpper();
    LogModel &log = cli.app().log();
    cli.print(QJsonObject{{QStringLiteral("status"), log.getIotaStatus(reference)},
                          {QStringLiteral("iotaWkd"), log.iotaWkd(reference)},
                          {QStringLiteral("iotaCfd"), log.iotaCfd(reference)}});
    return Cli::Success;
}

int gridCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("band")}, {}});
    if (!args.error().isEmpty() || args.positional().size() != 1 ||
        !args.option(QStringLiteral("band")))
        return cli.usage(QStringLiteral("Usage: grid LOC --band BAND"));
    LogModel &log = cli.app().log();
    cli.print(
        QJsonObject{{QStringLiteral("status"),
                     log.getLocatorStatus(args.positional().first(),
                                          args.option(QStringLiteral("band"), {}).toLower())}});
    return Cli::Success;
}

int statsCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("qsl-mode")}, {QStringLiteral("with-deleted")}});
    bool ok = true;
    const int qslMode = args.option(QStringLiteral("qsl-mode"), QStringLiteral("0")).toInt(&ok);
    if (!args.error().isEmpty() || !args.positional().isEmpty() || !ok || qslMode < 0 ||
        qslMode > 2)
        return cli.usage(QStringLiteral("Usage: stats [--qsl-mode 0|1|2] [--with-deleted]"));

    LogModel &log = cli.app().log();
    const dxstats::Counts counts =
        log.getNumbersOfDXCCs(qslMode, args.flag(QStringLiteral("with-deleted")));
    QJsonArray all;
    for (const auto &values : counts)
        all.append(series(values));
    const QJsonObject result{{QStringLiteral("series"), all},
                             {QStringLiteral("sixBands"), pair(dxstats::sixBandSummary(counts))},
                             {QStringLiteral("nineBands"), pair(dxstats::nineBandSummary(counts))},
                             {QStringLiteral("slots"), pair(dxstats::slotCount(counts))}};
    if (cli.json()) {
        cli.print(result);
        return Cli::Success;
    }
    static const char *const bands[] = {"Total", "160m", "80m", "60m", "40m", "30m", "20m",
                                        "17m",   "15m",  "12m", "10m", "6m",  "2m",  "70cm"};
    cli.text(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(QStringLiteral("band"), -6)
                 .arg(QStringLiteral("wkd/cfd"), 9)
                 .arg(QStringLiteral("CW"), 9)
                 .arg(QStringLiteral("Digi"), 9)
                 .arg(QStringLiteral("Phone"), 9));
    for (int column = 0; column < dxstats::kColumns; ++column) {
        QString line = QStringLiteral("%1").arg(QString::fromLatin1(bands[column]) + u':', -6);
        for (int s = 0; s < dxstats::kSeries; s += 2)
            line += QStringLiteral(" %1").arg(
                QStringLiteral("%1/%2").arg(counts[s][column]).arg(counts[s + 1][column]), 9);
        cli.text(line);
    }
    cli.text(
        QStringLiteral("160-10m (6 bands): %1").arg(pairText(dxstats::sixBandSummary(counts))));
    cli.text(
        QStringLiteral("160-10m (9 bands): %1").arg(pairText(dxstats::nineBandSummary(counts))));
    cli.text(QStringLiteral("Slots:             %1").arg(pairText(dxstats::slotCount(counts))));
    return Cli::Success;
}

int dxListCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("filter")}, {QStringLiteral("by-name")}});
    bool ok = true;
    const int filter = args.option(QStringLiteral("filter"), QStringLiteral("0")).toInt(&ok);
    if (!args.error().isEmpty() || !args.positional().isEmpty() || !ok || filter < 0 || filter > 5)
        return cli.usage(QStringLiteral("Usage: dxlist [--by-name] [--filter 0..5]"));
    QStringList rows = cli.app().log().getAllDxInfoStrings(args.flag(QStringLiteral("by-name")));
    rows.removeIf([filter](const QString &row) { return !dxstats::keepDxListRow(row, filter); });
    cli.print(QJsonArray::fromStringList(rows), rows);
    return Cli::Success;
}

} // namespace cli
