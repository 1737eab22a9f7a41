// The synced logbook at scale, against a throwaway PostgreSQL server on this machine: copying the
// whole 300 000-QSO logbook into the synced log, pushing 50 000 new QSOs (the first sync after
// such a copy) and pulling them into a fresh copy on another device, derived data included.

#include "BenchLogbook.h"

#include "PgTestServer.h"
#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kSyncedQsos = 50000;

/** A logbook name not used before on the server, for each run and repetition. */
QString freshLogbook(const char *what)
{
    static int made = 0;
    return QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(++made);
}

PgTestServer *server(benchmark::State &state)
{
    static std::unique_ptr<PgTestServer> running;
    if (!running) {
        running = std::make_unique<PgTestServer>();
        QString error;
        if (!running->start() || !syncsetup::initServer(running->url(), &error)) {
            state.SkipWithError(qPrintable(running->error() + error));
            running.reset();
            return nullptr;
        }
    }
    return running.get();
}

/** A device that joined `logbook`: its data folder and application object. */
struct Device {
    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
    QString copy;

    bool join(const QString &url, const QString &logbook)
    {
        app = std::make_unique<AppDelegate>(DataFolder::at(dir.path()));
        QString error;
        if (!syncsetup::join(app->folder(), url, logbook, &error))
            return false;
        copy = app->folder().filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
        return true;
    }

    logsync::SyncReport round(bool refresh)
    {
        logsync::SyncSession session(copy, {}, [] { return QDateTime::currentMSecsSinceEpoch(); });
        logsync::SyncReport report = session.run();
        if (refresh) {
            LogModel log(app->defaults(), app->folder(), app->notifications(), app->clock(),
                         app->dxcc(), copy);
            log.refreshDxInfo(report.entities);
        }
        return report;
    }
};

QList<QsoClass> fiftyThousand(benchmark::State &state)
{
    AppDelegate *big = bench::benchApp(state);
    return big ? big->log().getlastQSOs(4).mid(0, kSyncedQsos) : QList<QsoClass>();
}

void pushNewQsos(benchmark::State &state)
{
    PgTestServer *pg = server(state);
    const QList<QsoClass> qsos = pg ? fiftyThousand(state) : QList<QsoClass>();
    if (qsos.size() != kSyncedQsos)
        return;
    int pushed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Device device;
        if (!device.join(pg->url(), freshLogbook("push"))) {
            state.SkipWithError("cannot join");
            return;
        }
        LogModel log(device.app->defaults(), device.app->folder(), device.app->notifications(),
                     device.app->clock(), device.app->dxcc(), device.copy);
        if (!log.saveAllQSOsToLog(qsos, {})) {
            state.SkipWithError("cannot fill the copy");
            return;
        }
        state.ResumeTiming();
        const logsync::SyncReport report = device.round(false);
        if (!report.ok)
            state.SkipWithError(qPrintable(report.error));
        pushed = report.pushed;
    }
    state.counters["qsos"] = pushed;
}
BENCHMARK(pushNewQsos)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void pullIntoFreshCopy(benchmark::State &state)
{
    PgTestServer *pg = server(state);
    const QList<QsoClass> qsos = pg ? fiftyThousand(state) : QList<QsoClass>();
    if (qsos.size() != kSyncedQsos)
        return;
    Device source;
    const QString logbook = freshLogbook("pull");
    if (!source.join(pg->url(), logbook)) {
        state.SkipWithError("cannot join");
        return;
    }
    LogModel log(source.app->defaults(), source.app->folder(), source.app->notifications(),
                 source.app->clock(), source.app->dxcc(), source.copy);
    if (!log.saveAllQSOsToLog(qsos, {}) || !source.round(false).ok) {
        state.SkipWithError("cannot fill the server");
        return;
    }
    int pulled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Device device;
        if (!device.join(pg->url(), logbook)) {
            state.SkipWithError("cannot join");
            return;
        }
        state.ResumeTiming();
        const logsync::SyncReport report = device.round(true);
        if (!report.ok)
            state.SkipWithError(qPrintable(report.error));
        pulled = report.pulled;
    }
    state.counters["qsos"] = pulled;
}
BENCHMARK(pullIntoFreshCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void copyWholeLogbook(benchmark::State &state)
{
    PgTestServer *pg = server(state);
    AppDelegate *big = pg ? bench::benchApp(state) : nullptr;
    if (!big)
        return;
    const QString file = big->log().fullLogDatabasePath();
    int copied = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Device device;
        if (!device.join(pg->url(), freshLogbook("copy"))) {
            state.SkipWithError("cannot join");
            return;
        }
        state.ResumeTiming();
        QString error;
        const std::optional<int> count = syncsetup::copyLogbook(
            file, device.copy, device.app->defaults().logDateFormaterStyle(), &error);
        if (!count) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        copied = *count;
    }
    state.counters["qsos"] = copied;
}
BENCHMARK(copyWholeLogbook)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
