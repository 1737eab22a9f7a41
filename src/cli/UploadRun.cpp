#include "cli/UploadRun.h"

#include "cli/Cli.h"
#include "cli/ProgressBar.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "services/UploadMarks.h"
#include "services/UploadTexts.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QTextStream>

namespace cli {

int runUpload(Cli &cli, const RecordUpload::Protocol &protocol, const QString &serviceName,
              const QString &lastUploadKey, bool dryRun)
{
    AppDelegate &app = cli.app();
    QString readError;
    const QList<QsoClass> qsos = uploadmarks::waiting(app.log(), protocol.service, &readError);
    if (!readError.isEmpty())
        return cli.failed(readError);
    if (qsos.isEmpty()) {
        cli.status(uploadtexts::shown(uploadtexts::kNothingWaiting));
        cli.print(QJsonObject{{QStringLiteral("qsos"), 0}});
        return Cli::Success;
    }
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    RecordUpload run(http, app.clock());
    ProgressBar bar;
    QObject::connect(&run, &RecordUpload::progress, &run,
                     [&bar](int done, int total) { bar.show(done, total); });
    RecordUpload::Outcome outcome;
    QEventLoop loop;
    QObject::connect(&run, &RecordUpload::finished, &loop,
                     [&](const RecordUpload::Outcome &result) {
                         outcome = result;
                         loop.quit();
                     });
    run.start(app.log(), protocol, qsos, dryRun);
    loop.exec();
    bar.finish();
    if (dryRun) {
        for (const QString &record : std::as_const(outcome.records))
            cli.status(record);
        cli.print(
            QJsonObject{{QStringLiteral("qsos"), outcome.qsos}, {QStringLiteral("sent"), false}});
        return Cli::Success;
    }
    if (outcome.accepted + outcome.duplicates > 0)
        app.defaults().setValue(lastUploadKey, formats::sqlDateTime(app.clock().now()));
    QJsonObject result{{QStringLiteral("qsos"), outcome.qsos},
                       {QStringLiteral("accepted"), outcome.accepted},
                       {QStringLiteral("duplicates"), outcome.duplicates},
                       {QStringLiteral("marked"), outcome.marked},
                       {QStringLiteral("refused"), QJsonArray::fromStringList(outcome.refusals)}};
    if (!outcome.error.isEmpty())
        result.insert(QStringLiteral("error"), outcome.error);
    cli.print(result);
    if (!outcome.error.isEmpty())
        return cli.failed(QStringLiteral("%1: %2").arg(
            serviceName, uploadtexts::shown(uploadtexts::kStopped).arg(outcome.error)));
    if (!outcome.refusals.isEmpty())
        return cli.failed(QStringLiteral("%1: %2").arg(
            serviceName, uploadtexts::shown(uploadtexts::kRefused)
                             .arg(outcome.refusals.size())
                             .arg(outcome.refusals.join(QStringLiteral("; ")))));
    return Cli::Success;
}

int storeKey(Cli &cli, const QString &serviceName,
             bool (*store)(SecretStore &, UserDefaults &, const QString &))
{
    QTextStream in(stdin);
    const QString key = in.readLine().trimmed();
    if (!store(cli.app().secrets(), cli.app().defaults(), key))
        return cli.failed(QStringLiteral("The %1 key could not be kept").arg(serviceName));
    cli.print(QJsonObject{{QStringLiteral("stored"), !key.isEmpty()}});
    return Cli::Success;
}

} // namespace cli
