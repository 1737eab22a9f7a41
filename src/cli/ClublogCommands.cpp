#include "cli/ClublogCommands.h"

#include "cli/Cli.h"
#include "cli/ProgressBar.h"
#include "model/LogModel.h"
#include "services/ClublogUpload.h"

#include <QEventLoop>
#include <QNetworkAccessManager>

namespace cli {
namespace {

int upload(Cli &cli, bool all, bool dryRun)
{
    AppDelegate &app = cli.app();
    LogModel &log = app.log();
    const ClublogUpload::Account account = ClublogUpload::loadPrefs(log, app.secrets());
    if (!dryRun &&
        (account.user.isEmpty() || account.password.isEmpty() || account.callsign.isEmpty()))
        return cli.failed(QStringLiteral("Club Log e-mail, password or callsign missing "
                                         "(prefs set ClublogUser, ClublogPassword, "
                                         "ClublogCallsign)"));
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    ClublogUpload run(http, app.defaults(), app.clock());
    ProgressBar bar;
    QObject::connect(&run, &ClublogUpload::clublogCurrentStatus, &run,
                     [&cli](const QString &line) { cli.status(line); });
    QObject::connect(&run, &ClublogUpload::clublogCurrentValue, &run, [&bar](int value) {
        if (value >= 0)
            bar.show(value, 100);
        else
            bar.finish();
    });
    ClublogUpload::Outcome outcome;
    QEventLoop loop;
    QObject::connect(&run, &ClublogUpload::finished, &loop,
                     [&](const ClublogUpload::Outcome &result) {
                         outcome = result;
                         loop.quit();
                     });
    const ClublogUpload::Kind kind =
        all ? ClublogUpload::Kind::FullLog : ClublogUpload::Kind::NewQsos;
    if (dryRun)
        run.dryRun(kind, log, account);
    else if (all)
        run.performFullLogUpload(log, account);
    else
        run.performNewQsosUpload(log, account);
    loop.exec();
    bar.finish();
    if (outcome.nothingToSend) {
        cli.print(QJsonObject{{QStringLiteral("qsos"), 0}});
        return Cli::Success;
    }
    if (!outcome.ok)
        return Cli::Failed; // the status line said why
    QJsonObject result{{QStringLiteral("qsos"), outcome.qsos},
                       {QStringLiteral("bytes"), outcome.bytes},
                       {QStringLiteral("sent"), !dryRun}};
    if (!dryRun) {
        result.insert(QStringLiteral("marked"), outcome.marked);
        result.insert(QStringLiteral("reply"), outcome.status);
    }
    cli.print(result);
    return Cli::Success;
}

} // namespace

int clublogCommand(Cli &cli, const QStringList &words)
{
    if (words.value(0) == QLatin1String("upload")) {
        QStringList options = words.mid(1);
        const bool all = options.contains(QLatin1String("--all"));
        const bool dryRun = options.contains(QLatin1String("--dry-run"));
        if (options.size() == int(all) + int(dryRun) && options.removeDuplicates() == 0)
            return upload(cli, all, dryRun);
    }
    return cli.usage(QStringLiteral("Usage: ") + QLatin1String(kClublogSynopsis));
}

} // namespace cli
