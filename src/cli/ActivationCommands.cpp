#include "cli/ActivationCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "root/AppDelegate.h"
#include "station/ActivationExport.h"
#include "station/StationProfiles.h"

#include <QJsonArray>

namespace cli {
namespace {

const QString kUsage =
    QStringLiteral("Usage: activation [export] [--ref REF] [--date yyyy-MM-dd] [-o FILE|FOLDER]");

/** The reference asked for, else the active profile's (park, then summit, then WWFF). */
QString referenceFrom(const Args &args, const StationProfiles &profiles)
{
    if (const std::optional<QString> ref = args.option(QStringLiteral("ref")))
        return ref->trimmed().toUpper();
    const std::optional<StationProfile> active = profiles.active();
    if (!active)
        return {};
    for (const QString &ref : {active->pota, active->sota, active->wwff})
        if (!ref.isEmpty())
            return ref;
    return {};
}

std::optional<QDate> dateFrom(const Args &args, const QDate &today)
{
    const std::optional<QString> text = args.option(QStringLiteral("date"));
    if (!text)
        return today;
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd")})
        if (const QDate date = QDate::fromString(text->trimmed(), format); date.isValid())
            return date;
    return std::nullopt;
}

QJsonObject toJson(const station::ActivationQso &entry)
{
    QJsonObject object{{QStringLiteral("id"), entry.qso.id.value_or(0)},
                       {QStringLiteral("time"), entry.qso.sqlDateTime()},
                       {QStringLiteral("call"), entry.qso.callsign},
                       {QStringLiteral("band"), entry.qso.band},
                       {QStringLiteral("mode"), entry.qso.mode},
                       {QStringLiteral("counted"), entry.counted}};
    if (!entry.otherReference.isEmpty())
        object.insert(QStringLiteral("otherReference"), entry.otherReference);
    return object;
}

int show(Cli &cli, const station::Activation &activation)
{
    QJsonArray qsos;
    QStringList lines{
        QStringLiteral("%1 %2 %3: %4 of %5 QSOs, %6")
            .arg(station::programmeName(activation.programme), activation.reference,
                 activation.date.toString(Qt::ISODate))
            .arg(activation.counted)
            .arg(activation.target)
            .arg(activation.isValid() ? QStringLiteral("valid") : QStringLiteral("not valid yet"))};
    for (const station::ActivationQso &entry : activation.qsos) {
        qsos.append(toJson(entry));
        lines << QStringLiteral("  %1  %2 %3 %4%5%6")
                     .arg(entry.qso.sqlDateTime().mid(11, 5))
                     .arg(entry.qso.callsign, -12)
                     .arg(entry.qso.band, -6)
                     .arg(entry.qso.mode, -6)
                     .arg(entry.counted ? QString() : QStringLiteral(" dupe"))
                     .arg(entry.otherReference.isEmpty()
                              ? QString()
                              : QStringLiteral(" P2P ") + entry.otherReference);
    }
    if (cli.json())
        cli.print(
            QJsonObject{{QStringLiteral("programme"), station::programmeName(activation.programme)},
                        {QStringLiteral("reference"), activation.reference},
                        {QStringLiteral("date"), activation.date.toString(Qt::ISODate)},
                        {QStringLiteral("counted"), activation.counted},
                        {QStringLiteral("target"), activation.target},
                        {QStringLiteral("valid"), activation.isValid()},
                        {QStringLiteral("qsos"), qsos}});
    else
        cli.print(QJsonArray{}, lines);
    return Cli::Success;
}

} // namespace

int activationCommand(Cli &cli, const QStringList &given)
{
    // "--json" after the command word works as well as before it.
    QStringList words = given;
    Cli jsonCli(cli.app(), true);
    if (words.removeAll(QStringLiteral("--json")) > 0)
        return activationCommand(jsonCli, words);
    const bool exporting = words.value(0) == QLatin1String("export");
    if (exporting)
        words.removeFirst();
    const Args args(
        words, {{QStringLiteral("ref"), QStringLiteral("date"), QStringLiteral("output")}, {}});
    if (!args.error().isEmpty() || !args.positional().isEmpty() ||
        exporting != args.option(QStringLiteral("output")).has_value())
        return cli.usage(args.error().isEmpty() ? kUsage : args.error());

    StationProfiles profiles(cli.app().folder(), cli.app().log());
    const QString reference = referenceFrom(args, profiles);
    if (reference.isEmpty())
        return cli.usage(QStringLiteral("No reference: give --ref or select a station profile "
                                        "with a park, summit or WWFF reference"));
    const std::optional<station::Programme> programme = station::programmeOf(reference);
    if (!programme)
        return cli.usage(QStringLiteral("%1 is no POTA, SOTA or WWFF reference").arg(reference));
    const std::optional<QDate> date = dateFrom(args, cli.app().clock().now().toUTC().date());
    if (!date)
        return cli.usage(QStringLiteral("--date takes a date like 2026-05-01"));

    LogModel &log = cli.app().log();
    if (const std::optional<QString> problem = log.logbookProblem())
        return cli.failed(*problem);
    const station::Activation activation =
        station::findActivation(log, *programme, reference, *date);
    if (!exporting)
        return show(cli, activation);
    if (activation.qsos.isEmpty())
        return cli.failed(
            QStringLiteral("No QSOs from %1 on %2").arg(reference, date->toString(Qt::ISODate)));
    QString error;
    const std::optional<QString> path =
        station::exportActivation(log, activation, *args.option(QStringLiteral("output")), &error);
    if (!path)
        return cli.failed(QStringLiteral("The activation was not exported: %1").arg(error));
    cli.print(QJsonObject{{QStringLiteral("exported"), *path},
                          {QStringLiteral("qsos"), int(activation.qsos.size())}});
    return Cli::Success;
}

} // namespace cli
