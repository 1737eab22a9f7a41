#include "cli/EqslCommands.h"

#include "cli/Cli.h"
#include "cli/LotwCommands.h"
#include "cli/ProgressBar.h"
#include "cli/QsoJson.h"
#include "model/LogModel.h"
#include "services/EqslDownload.h"
#include "services/EqslUpload.h"
#include "services/ServicePasswords.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>

namespace cli {
namespace {

struct EqslAccount {
    QString user;
    QString password;
    QString qth;
    QString lastDownload;
    QString comment;
};

EqslAccount account(LogModel &log, SecretStore &secrets)
{
    const QVariantMap prefs = log.getAllEqslData();
    return {prefs.value(QStringLiteral("eqsluser")).toString(),
            servicepasswords::password(secrets, log, servicepasswords::Service::Eqsl),
            prefs.value(QStringLiteral("eqslqth")).toString(),
            prefs.value(QStringLiteral("eqsllastqsl")).toString(),
            prefs.value(QStringLiteral("eqslcomment")).toString()};
}

int download(Cli &cli, const QString &file)
{
    AppDelegate &app = cli.app();
    LogModel &log = app.log();
    QByteArray saved;
    if (!file.isEmpty()) {
        QFile inbox(file);
        if (!inbox.open(QIODevice::ReadOnly))
            return cli.failed(QStringLiteral("%1: %2").arg(file, inbox.errorString()));
        saved = inbox.readAll();
    }
    const EqslAccount stored = account(log, app.secrets());
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    EqslDownload run(http, app.defaults(), app.clock());
    QString lastStatus;
    bool lastIsError = false;
    QObject::connect(&run, &EqslDownload::statusChanged, &run,
                     [&](const QString &line, bool error) {
                         cli.status(line);
                         lastStatus = line;
                         lastIsError = error;
                     });
    eqsl::Applied applied;
    QEventLoop loop;
    QObject::connect(&run, &EqslDownload::finished, &loop, [&](const eqsl::Applied &result) {
        applied = result;
        loop.quit();
    });
    const bool started =
        file.isEmpty()
            ? run.download({stored.user, stored.password, stored.qth, stored.lastDownload}, log)
            : run.applyInbox(saved, log);
    if (!started)
        return cli.failed(QStringLiteral("A download is running"));
    loop.exec();
    if (!applied.ok)
        return cli.failed(applied.error.isEmpty() ? lastStatus : applied.error);
    for (const QslRow &row : std::as_const(applied.rows))
        printQslRow(cli, row,
                    row.mark == QslRow::Mark::NotFound ? QStringLiteral("not in log")
                                                       : QStringLiteral("received"));
    Q_UNUSED(lastIsError);
    return Cli::Success;
}

int upload(Cli &cli, bool dryRun)
{
    AppDelegate &app = cli.app();
    LogModel &log = app.log();
    const EqslAccount stored = account(log, app.secrets());
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    EqslUpload upload(http, app.defaults());
    const QString count = upload.prepare(log, {}, stored.comment);
    if (count.isEmpty()) {
        cli.status(QStringLiteral("Nothing to upload"));
        return Cli::Success;
    }
    cli.status(count);
    if (dryRun) {
        QJsonArray ids;
        QStringList lines;
        for (const QsoClass &qso : upload.qsos()) {
            ids.append(idJson(qso));
            lines << log.makeADIF4eQSLfromQSO(qso);
        }
        cli.print(ids, lines);
        return Cli::Success;
    }
    if (stored.user.isEmpty() || stored.password.isEmpty())
        return cli.failed(QStringLiteral("User name or password missing"));
    ProgressBar bar;
    QObject::connect(&upload, &EqslUpload::progress, &upload,
                     [&bar](qint64 done, qint64 total) { bar.show(done, total); });
    QObject::connect(&upload, &EqslUpload::statusChanged, &upload,
                     [&cli](const QString &line, bool) { cli.status(line); });
    bool answered = false;
    QString page;
    QEventLoop loop;
    QObject::connect(&upload, &EqslUpload::finished, &loop, [&](bool ok, const QString &reply) {
        answered = ok;
        page = reply;
        loop.quit();
    });
    upload.upload(stored.user, stored.password);
    loop.exec();
    bar.finish();
    if (!answered)
        return cli.failed(QStringLiteral("The upload failed"));
    // Without a person to read the server's page, a page that reports errors keeps the QSOs
    // waiting; anything else counts as done.
    if (page.contains(QLatin1String("Error"), Qt::CaseInsensitive) ||
        page.contains(QLatin1String("Warning"), Qt::CaseInsensitive)) {
        cli.text(page);
        return cli.failed(QStringLiteral("eQSL reported problems; no QSO was marked as sent"));
    }
    const qsizetype sent = upload.qsos().size();
    if (const WriteResult result = upload.confirm(); !result)
        return cli.failed(result.error);
    cli.print(QJsonObject{{QStringLiteral("uploaded"), qint64(sent)}});
    return Cli::Success;
}

} // namespace

int eqslCommand(Cli &cli, const QStringList &words)
{
    const QString verb = words.value(0);
    if (verb == QLatin1String("download")) {
        if (words.size() == 1)
            return download(cli, {});
        if (words.size() == 3 && words.at(1) == QLatin1String("--file"))
            return download(cli, words.at(2));
    }
    if (verb == QLatin1String("upload")) {
        if (words.size() == 1)
            return upload(cli, false);
        if (words.size() == 2 && words.at(1) == QLatin1String("--dry-run"))
            return upload(cli, true);
    }
    return cli.usage(QStringLiteral("Usage: ") + QLatin1String(kEqslSynopsis));
}

} // namespace cli
