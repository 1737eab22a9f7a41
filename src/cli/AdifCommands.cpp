#include "cli/AdifCommands.h"

#include "adif/AdifExport.h"
#include "adif/AdifImport.h"
#include "adif/AdifText.h"
#include "adif/DxccEntityLookup.h"
#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/ProgressBar.h"
#include "db/SafeWrite.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QFile>
#include <QJsonArray>

#include <algorithm>

namespace cli {
namespace {

/** The QSOs named by "--ids", in that order; nothing with the reason in error. */
std::optional<QList<QsoClass>> namedQsos(LogModel &log, const QString &ids, QString *error)
{
    QList<QsoClass> qsos;
    for (const QString &text : ids.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 id = text.trimmed().toLongLong(&ok);
        QString readError;
        const std::optional<QsoClass> found =
            ok && id > 0 ? log.qsoById(id, &readError) : std::nullopt;
        if (!readError.isEmpty()) {
            *error = QStringLiteral("Could not read %1: %2").arg(log.logDbName(), readError);
            return std::nullopt;
        }
        if (!found) {
            *error = QStringLiteral("No QSO with id %1 in %2").arg(text.trimmed(), log.logDbName());
            return std::nullopt;
        }
        qsos << *found;
    }
    return qsos;
}

} // namespace

int exportCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("range"), QStringLiteral("ids"), QStringLiteral("output")},
                      {QStringLiteral("all")}});
    const int selections = int(args.flag(QStringLiteral("all"))) +
                           int(args.option(QStringLiteral("range")).has_value()) +
                           int(args.option(QStringLiteral("ids")).has_value());
    if (!args.error().isEmpty() || !args.positional().isEmpty() || selections > 1)
        return cli.usage(
            args.error().isEmpty()
                ? QStringLiteral("Usage: export [--all | --range CODE | --ids 1,2,3] [-o FILE]")
                : args.error());

    LogModel &log = cli.app().log();
    // Every page is checked first: a damaged file would otherwise give a short export that looks
    // complete.
    if (const std::optional<QString> problem = log.logbookProblem(true))
        return cli.failed(*problem);
    bool rangeIsNumber = true;
    const int range =
        args.option(QStringLiteral("range"), QStringLiteral("4")).toInt(&rangeIsNumber);
    if (!rangeIsNumber)
        return cli.failed(QStringLiteral("--range needs a number"));
    std::optional<QList<QsoClass>> named;
    if (const std::optional<QString> ids = args.option(QStringLiteral("ids"))) {
        QString error;
        named = namedQsos(log, *ids, &error);
        if (!named)
            return cli.failed(error);
    }
    adif::ExportOutcome outcome;
    const auto exportInto = [&](QIODevice &out) -> std::optional<QString> {
        outcome = named ? adif::exportQsos(log, *named, out) : adif::exportRange(log, range, out);
        return outcome.ok() ? std::nullopt : std::optional(outcome.writeError);
    };
    // A failed read leaves no file behind; on standard output what was written before it stays.
    const auto readFailure = [&] {
        return cli.failed(
            QStringLiteral("Could not read %1: %2").arg(log.logDbName(), outcome.readError));
    };

    const std::optional<QString> output = args.option(QStringLiteral("output"));
    if (!output) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return cli.failed(QStringLiteral("Could not write the export"));
        exportInto(out);
        if (!outcome.readError.isEmpty())
            return readFailure();
        if (!outcome.writeError.isEmpty() || !out.flush())
            return cli.failed(QStringLiteral("Could not write the export"));
        return Cli::Success;
    }
    if (QString error; !safewrite::writeFileWith(*output, exportInto, &error)) {
        if (!outcome.readError.isEmpty())
            return readFailure();
        return cli.failed(QStringLiteral("Could not write %1: %2").arg(*output, error));
    }
    cli.print(QJsonObject{{QStringLiteral("exported"), outcome.records},
                          {QStringLiteral("file"), *output}});
    return Cli::Success;
}

int importCommand(Cli &cli, const QStringList &words)
{
    if (words.size() != 1 || words.first().startsWith(QLatin1String("--")))
        return cli.usage(QStringLiteral("Usage: import FILE"));
    QFile file(words.first());
    if (!file.open(QIODevice::ReadOnly))
        return cli.failed(
            QStringLiteral("Could not read %1: %2").arg(words.first(), file.errorString()));
    const adif::PreparedAdif prepared = adif::prepareAdif(file.readAll());
    if (!cli.json())
        cli.text(prepared.status);
    if (prepared.estimate() == 0)
        return cli.failed(prepared.status);

    LogModel &log = cli.app().log();
    if (const std::optional<QString> problem = log.logbookProblem())
        return cli.failed(*problem);
    DxccEntityLookup entities(cli.app().dxcc());
    AdifImport import(cli.app().defaults(), log, entities);
    ProgressBar bar;
    QObject::connect(&import, &AdifImport::progress, &import,
                     [&bar](qsizetype done, qsizetype total) { bar.show(done, total); });
    const AdifImport::Result result = import.run(prepared);
    bar.finish();

    if (cli.json()) {
        QJsonArray refused;
        for (const AdifImport::Refusal &refusal : result.refusals)
            refused.append(QJsonObject{
                {QStringLiteral("reasons"), QJsonArray::fromStringList(refusal.reasons)},
                {QStringLiteral("record"), refusal.record.trimmed()}});
        cli.print(QJsonObject{{QStringLiteral("estimate"), prepared.estimate()},
                              {QStringLiteral("imported"), result.imported},
                              {QStringLiteral("refused"), result.refused},
                              {QStringLiteral("refusals"), refused}});
    } else {
        if (!result.report.isEmpty())
            cli.text(result.report.trimmed());
        if (result.error.isEmpty())
            cli.text(result.status);
    }
    if (!result.error.isEmpty())
        return cli.failed(result.error);
    return Cli::Success;
}

} // namespace cli
