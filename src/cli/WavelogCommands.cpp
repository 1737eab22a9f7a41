#include "cli/WavelogCommands.h"

#include "cli/Cli.h"
#include "cli/UploadRun.h"
#include "services/UploadTexts.h"
#include "services/WavelogApi.h"

namespace cli {

int wavelogCommand(Cli &cli, const QStringList &words)
{
    const QString name = QStringLiteral("Wavelog");
    const QString verb = words.value(0);
    const QStringList options = words.mid(1);
    if (verb == QLatin1String("key") && options.isEmpty())
        return storeKey(cli, name, &wavelog::setApiKey);
    const bool dryRun = options == QStringList{QStringLiteral("--dry-run")};
    if (verb == QLatin1String("upload") && (options.isEmpty() || dryRun)) {
        AppDelegate &app = cli.app();
        const QString host = app.defaults().string(QLatin1String(wavelog::kHostKey));
        const QString station = app.defaults().string(QLatin1String(wavelog::kStationKey));
        const QString key = wavelog::apiKey(app.secrets(), app.defaults());
        if (!dryRun && (host.isEmpty() || station.isEmpty()))
            return cli.failed(uploadtexts::shown(uploadtexts::kNoInstance) +
                              QStringLiteral(" (defaults set WavelogHost, WavelogStationId)"));
        if (!dryRun && key.isEmpty())
            return cli.failed(uploadtexts::shown(uploadtexts::kNoKey).arg(name) +
                              QStringLiteral(" (wavelog key)"));
        return runUpload(cli, wavelog::qsoProtocol(host, key, station), name,
                         QLatin1String(wavelog::kLastUploadKey), dryRun);
    }
    return cli.usage(QStringLiteral("Usage: ") + QString::fromUtf8(kWavelogSynopsis));
}

} // namespace cli
