#include "cli/SyncCommands.h"

#include "app/Clock.h"
#include "cli/Args.h"
#include "cli/Cli.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "services/ServicePasswords.h"
#include "sync/LocalReplica.h"
#include "sync/PgConnection.h"
#include "sync/ServerAddress.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

namespace cli {
namespace {

// The password comes from the address at joining (then kept with the other passwords),
// PGPASSWORD or ~/.pgpass (libpq reads both); never from an option other users could see.

/** One round for this data folder's copy; the entities a pull touched get their DX info
 *  rebuilt. `timeoutMs`: how long a silent server is waited for. */
int syncRound(Cli &cli, const QString &path, int timeoutMs)
{
    AppDelegate &app = cli.app();
    const Clock &clock = app.clock();
    const QString password = servicepasswords::syncServerPassword(
        app.secrets(), app.defaults(), logsync::LocalReplica(path).state(QStringLiteral("server")));
    logsync::SyncSession session(path, password,
                                 [&clock] { return clock.now().toMSecsSinceEpoch(); });
    session.setReplyTimeout(timeoutMs);
    const logsync::SyncReport report = session.run();
    if (!report.notice.isEmpty())
        cli.status(report.notice);
    if (!report.entities.isEmpty()) {
        LogModel copy(app.defaults(), app.folder(), app.clock(), app.dxcc(), path);
        copy.refreshDxInfo(report.entities);
    }
    if (!report.ok)
        return cli.failed(QStringLiteral("Sync failed: ") + report.error);
    cli.print(QJsonObject{{QStringLiteral("pushed"), report.pushed},
                          {QStringLiteral("pulled"), report.pulled},
                          {QStringLiteral("pending"), session.copy().pendingChanges()}});
    return Cli::Success;
}

int status(Cli &cli)
{
    const auto path = syncsetup::copyPath(cli.app().folder());
    if (!path)
        return cli.failed(QStringLiteral("This data folder has not joined a synced logbook "
                                         "(sync join --server URL --logbook NAME)"));
    const logsync::LocalReplica copy(*path);
    QString error;
    const std::optional<QMap<QString, QString>> states = copy.states(&error);
    if (!states)
        return cli.failed(QStringLiteral("The synced log's copy cannot be read: ") + error);
    const auto state = [&states](const char *key) {
        return states->value(QString::fromLatin1(key));
    };
    cli.print(QJsonObject{
        {QStringLiteral("server"), state("server")},
        {QStringLiteral("logbook"), state("logbook")},
        {QStringLiteral("device"), state("device")},
        {QStringLiteral("current"), cli.app().log().isSyncLog()},
        {QStringLiteral("pending"), copy.pendingChanges()},
        {QStringLiteral("cursor"), state("cursor").toLongLong()},
        {QStringLiteral("lastSync"), state("lastSync")},
        {QStringLiteral("lastError"), state("lastError")},
        {QStringLiteral("notice"), state("notice")},
    });
    return Cli::Success;
}

/** --timeout SECONDS: how long a silent server is waited for; nothing when not a sensible
 *  number. */
std::optional<int> timeoutOf(const Args &args)
{
    const std::optional<QString> text = args.option(QStringLiteral("timeout"));
    if (!text)
        return logsync::PgConnection::kDefaultReplyTimeoutMs;
    bool ok = false;
    const double seconds = text->toDouble(&ok);
    if (!ok || !(seconds >= 1 && seconds <= 3600))
        return std::nullopt;
    return int(seconds * 1000);
}

int run(Cli &cli, const QString &verb, const Args &args)
{
    const QString usage = QStringLiteral("Usage: ") + QLatin1String(kSyncSynopsis);
    const QString server = args.option(QStringLiteral("server"), QString());
    const QString logbook = args.option(QStringLiteral("logbook"), QString());
    const std::optional<int> timeoutMs = timeoutOf(args);
    if (!timeoutMs)
        return cli.usage(QStringLiteral("--timeout takes seconds from 1 to 3600"));
    QString error;
    if (verb == QLatin1String("init") && !server.isEmpty() && logbook.isEmpty()) {
        if (!syncsetup::initServer(server, &error))
            return cli.failed(QStringLiteral("Cannot prepare the server: ") + error);
        cli.status(QStringLiteral("The server is ready"));
        return Cli::Success;
    }
    if (verb == QLatin1String("join") && !server.isEmpty() && !logbook.isEmpty()) {
        AppDelegate &app = cli.app();
        if (!syncsetup::join(app.folder(), server, logbook, &error))
            return cli.failed(QStringLiteral("Cannot join: ") + error);
        if (const QString typed = serveraddress::password(server); !typed.isEmpty())
            servicepasswords::setSyncServerPassword(app.secrets(), app.defaults(),
                                                    serveraddress::withoutPassword(server), typed);
        app.log().selectLogbook(QString::fromLatin1(logbookfiles::kSyncedLog));
        // Written before the first round, which may take long or be killed: the synced log is
        // the current logbook from here on.
        app.defaults().sync();
        return syncRound(cli, *syncsetup::copyPath(app.folder()), *timeoutMs);
    }
    if (server.isEmpty() && logbook.isEmpty()) {
        if (verb == QLatin1String("status"))
            return status(cli);
        if (verb == QLatin1String("now")) {
            const auto path = syncsetup::copyPath(cli.app().folder());
            if (!path)
                return cli.failed(
                    QStringLiteral("This data folder has not joined a synced "
                                   "logbook (sync join --server URL --logbook NAME)"));
            return syncRound(cli, *path, *timeoutMs);
        }
    }
    return cli.usage(usage);
}

} // namespace

int syncCommand(Cli &cli, const QStringList &words)
{
    const Args args(words.mid(1), {{QStringLiteral("server"), QStringLiteral("logbook"),
                                    QStringLiteral("timeout")},
                                   {QStringLiteral("json")}});
    if (!args.error().isEmpty() || !args.positional().isEmpty())
        return cli.usage(QStringLiteral("Usage: ") + QLatin1String(kSyncSynopsis));
    if (args.flag(QStringLiteral("json")) && !cli.json()) {
        Cli json(cli.app(), true);
        return run(json, words.value(0), args);
    }
    return run(cli, words.value(0), args);
}

} // namespace cli
