#include "cli/LotwCommands.h"

#include "cli/Cli.h"
#include "cli/ProgressBar.h"
#include "model/LogModel.h"
#include "services/LotwDownload.h"
#include "services/LotwUpload.h"
#include "services/ServicePasswords.h"
#include "services/TqslTexts.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>

namespace cli {
namespace {

QString outcomeOf(const QslRow &row)
{
    switch (row.mark) {
    case QslRow::Mark::NotFound:
        return QStringLiteral("not in log");
    case QslRow::Mark::Corrected:
        return QStringLiteral("corrected");
    case QslRow::Mark::None:
        break;
    }
    return QStringLiteral("confirmed");
}

int download(Cli &cli, const QString &file)
{
    AppDelegate &app = cli.app();
    LogModel &log = app.log();
    QByteArray saved;
    if (!file.isEmpty()) {
        QFile report(file);
        if (!report.open(QIODevice::ReadOnly))
            return cli.failed(QStringLiteral("%1: %2").arg(file, report.errorString()));
        saved = report.readAll();
    }
    const QVariantMap prefs = log.getLotwPrefs();
    LotwDownload::Account account{
        prefs.value(QStringLiteral("lotwuser")).toString(),
        servicepasswords::password(app.secrets(), log, servicepasswords::Service::Lotw),
        prefs.value(QStringLiteral("lotwmycall")).toString(),
        prefs.value(QStringLiteral("lotwlastqsl")).toString(),
        prefs.value(QStringLiteral("lotwqsodetails")).toInt() == 1};
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    LotwDownload run(http, app.defaults(), app.clock());
    ProgressBar bar;
    QObject::connect(&run, &LotwDownload::statusChanged, &run,
                     [&cli](const QString &line, bool) { cli.status(line); });
    QObject::connect(&run, &LotwDownload::progress, &run, [&bar](qint64 done, qint64 total) {
        if (total > 0)
            bar.show(qsizetype(done), qsizetype(total));
    });
    lotw::Applied applied;
    QEventLoop loop;
    QObject::connect(&run, &LotwDownload::finished, &loop, [&](const lotw::Applied &result) {
        applied = result;
        loop.quit();
    });
    const lotw::EntityTable entities = lotw::entityTable(app.dxcc());
    const bool started = file.isEmpty() ? run.download(account, log, entities)
                                        : run.applyReport(saved, account.useDetails, log, entities);
    if (!started)
        return cli.failed(QStringLiteral("A download is running"));
    loop.exec();
    bar.finish();
    if (!applied.ok)
        return cli.failed(applied.error);
    for (const QslRow &row : std::as_const(applied.rows))
        printQslRow(cli, row, outcomeOf(row));
    cli.status(lotw::summary(applied));
    return Cli::Success;
}

/** Signs and uploads the QSOs waiting for LoTW with TQSL; a dry run lists them. */
int upload(Cli &cli, bool dryRun, const QString &location)
{
    AppDelegate &app = cli.app();
    LotwUpload run(app.defaults(), app.clock());
    QObject::connect(&run, &LotwUpload::statusChanged, &run,
                     [&cli](const QString &line) { cli.status(line); });
    QObject::connect(&run, &LotwUpload::output, &run,
                     [&cli](const QString &line) { cli.status(QStringLiteral("tqsl: ") + line); });
    LotwUpload::Outcome outcome;
    QEventLoop loop;
    QObject::connect(&run, &LotwUpload::finished, &loop, [&](const LotwUpload::Outcome &result) {
        outcome = result;
        loop.quit();
    });
    if (!run.upload(app.log(), location, dryRun))
        return cli.failed(tqsltexts::shown(tqsltexts::kBusy));
    loop.exec();
    if (!outcome.ok)
        return Cli::Failed; // the status line said why
    if (dryRun)
        for (const QsoClass &qso : std::as_const(outcome.sent))
            cli.printLine({{QStringLiteral("date"), qso.sqlDateTime()},
                           {QStringLiteral("call"), qso.callsign},
                           {QStringLiteral("band"), qso.band},
                           {QStringLiteral("mode"), qso.mode},
                           {QStringLiteral("id"), qso.id ? QJsonValue(*qso.id) : QJsonValue()}},
                          QStringLiteral("%1 %2 %3 %4")
                              .arg(qso.sqlDateTime(), qso.callsign, qso.band, qso.mode));
    cli.print(QJsonObject{{QStringLiteral("qsos"), outcome.qsos},
                          {QStringLiteral("marked"), outcome.marked},
                          {QStringLiteral("tqslExit"), outcome.exitCode}});
    return Cli::Success;
}

} // namespace

void printQslRow(Cli &cli, const QslRow &row, const QString &outcome)
{
    QString line = QStringLiteral("%1 %2 %3 %4 %5: %6")
                       .arg(row.date, row.time, row.callsign, row.band, row.mode, outcome);
    if (!row.note.isEmpty())
        line += QStringLiteral(" (%1)").arg(row.note);
    if (!row.corrections.isEmpty())
        line += QStringLiteral("; ") + row.corrections.join(QStringLiteral(", "));
    cli.printLine({{QStringLiteral("date"), row.date},
                   {QStringLiteral("time"), row.time},
                   {QStringLiteral("call"), row.callsign},
                   {QStringLiteral("band"), row.band},
                   {QStringLiteral("mode"), row.mode},
                   {QStringLiteral("result"), outcome},
                   {QStringLiteral("credits"), row.note},
                   {QStringLiteral("id"), row.id ? QJsonValue(*row.id) : QJsonValue()},
                   {QStringLiteral("changes"), QJsonArray::fromStringList(row.corrections)}},
                  line);
}

int lotwCommand(Cli &cli, const QStringList &words)
{
    if (words.value(0) == QLatin1String("download")) {
        if (words.size() == 1)
            return download(cli, {});
        if (words.size() == 3 && words.at(1) == QLatin1String("--file"))
            return download(cli, words.at(2));
    }
    if (words.value(0) == QLatin1String("upload")) {
        bool dryRun = false;
        QString location;
        bool fine = true;
        for (qsizetype i = 1; i < words.size() && fine; ++i) {
            if (words.at(i) == QLatin1String("--dry-run"))
                dryRun = true;
            else if (words.at(i) == QLatin1String("--location") && i + 1 < words.size())
                location = words.at(++i);
            else
                fine = false;
        }
        if (fine)
            return upload(cli, dryRun, location);
    }
    return cli.usage(QStringLiteral("Usage: ") + QLatin1String(kLotwSynopsis));
}

} // namespace cli
