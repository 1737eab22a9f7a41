#include "cli/QrzCommands.h"

#include "cli/Cli.h"
#include "cli/UploadRun.h"
#include "formats/Formats.h"
#include "services/QrzDownload.h"
#include "services/QrzLogbook.h"
#include "services/UploadTexts.h"

#include <QEventLoop>
#include <QNetworkAccessManager>

namespace cli {
namespace {

const QString kName = QStringLiteral("QRZ.com");

int download(Cli &cli, const QString &host, const QString &key)
{
    AppDelegate &app = cli.app();
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    QrzDownload run(http, app.clock());
    QrzDownload::Outcome outcome;
    QEventLoop loop;
    QObject::connect(&run, &QrzDownload::finished, &loop, [&](const QrzDownload::Outcome &result) {
        outcome = result;
        loop.quit();
    });
    cli.status(uploadtexts::shown(uploadtexts::kDownloading));
    run.start(app.log(), host, key);
    loop.exec();
    if (!outcome.ok)
        return cli.failed(QStringLiteral("%1: %2").arg(
            kName, uploadtexts::shown(uploadtexts::kDownloadError).arg(outcome.error)));
    app.defaults().setValue(QLatin1String(qrzlog::kLastDownloadKey),
                            formats::sqlDateTime(app.clock().now()));
    cli.print(QJsonObject{{QStringLiteral("confirmations"), outcome.received},
                          {QStringLiteral("new"), outcome.newlyConfirmed},
                          {QStringLiteral("notInLog"), outcome.notInLog}});
    return Cli::Success;
}

} // namespace

int qrzCommand(Cli &cli, const QStringList &words)
{
    const QString verb = words.value(0);
    const QStringList options = words.mid(1);
    if (verb == QLatin1String("key") && options.isEmpty())
        return storeKey(cli, kName, &qrzlog::setApiKey);
    const bool dryRun = options == QStringList{QStringLiteral("--dry-run")};
    if ((verb == QLatin1String("upload") && (options.isEmpty() || dryRun)) ||
        (verb == QLatin1String("download") && options.isEmpty())) {
        AppDelegate &app = cli.app();
        const QString key = qrzlog::apiKey(app.secrets(), app.defaults());
        if (key.isEmpty() && !dryRun)
            return cli.failed(uploadtexts::shown(uploadtexts::kNoKey).arg(kName) +
                              QStringLiteral(" (qrz key)"));
        const QString host = app.defaults().string(QLatin1String(qrzlog::kHostKey));
        if (verb == QLatin1String("download"))
            return download(cli, host, key);
        return runUpload(cli, qrzlog::insertProtocol(host, key), kName,
                         QLatin1String(qrzlog::kLastUploadKey), dryRun);
    }
    return cli.usage(QStringLiteral("Usage: ") + QString::fromUtf8(kQrzSynopsis));
}

} // namespace cli
