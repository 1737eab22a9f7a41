// The synced logbook at scale, against a throwaway PostgreSQL server on this machine: copying the
// whole 300 000-QSO logbook into the synced log, pushing 50 000 new QSOs (the first sync after
// such a copy), pulling them into a fresh copy on another device, derived data included, and 20
// devices syncing their offline work at once.

#include "BenchLogbook.h"

#include "PgTestServer.h"
#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

#include "db/Database.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
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
            LogModel log(app->defaults(), app->folder(), app->clock(), app->dxcc(), copy);
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
        LogModel log(device.app->defaults(), device.app->folder(), device.app->clock(),
                     device.app->dxcc(), device.copy);
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
    LogModel log(source.app->defaults(), source.app->folder(), source.app->clock(),
                 source.app->dxcc(), source.copy);
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

/** Runs `sql` on the copy in one transaction; `rows` times when it has parameters ?1 (a number). */
bool fill(const QString &copy, const QString &sql, int rows)
{
    db::Database database;
    if (database.open(copy, db::Database::Mode::ReadWrite) != 0 || !database.exec("BEGIN"))
        return false;
    db::Statement statement = database.prepare(sql);
    for (int i = 0; i < rows; ++i) {
        statement.reset();
        statement.bind(1, qint64(i));
        if (!statement.run())
            return false;
    }
    return database.exec("COMMIT");
}

/** 20 devices share 200 QSOs; each logs 1,000 new ones and makes 200 edits of the shared ones
 *  offline, then all sync at once (two rounds each, the second to fetch what others pushed
 *  meanwhile). Timed: the two rounds; counters: the slowest device's rounds and whether every
 *  device ended with every QSO and each shared field's latest edit. */
void twentyDevicesAtOnce(benchmark::State &state)
{
    constexpr int kDevices = 20;
    constexpr int kShared = 200;
    constexpr int kNew = 1000;
    constexpr int kEdits = 200;
    PgTestServer *pg = server(state);
    if (!pg)
        return;
    double slowestMs = 0;
    bool converged = false;
    for (auto _ : state) {
        state.PauseTiming();
        const QString logbook = freshLogbook("twenty");
        std::vector<std::unique_ptr<Device>> devices;
        for (int d = 0; d < kDevices; ++d) {
            devices.push_back(std::make_unique<Device>());
            if (!devices.back()->join(pg->url(), logbook)) {
                state.SkipWithError("cannot join");
                return;
            }
        }
        const QString insert = QStringLiteral(
            "INSERT INTO logbook (callsign, band, mode, datetime, note, clublog) VALUES "
            "('%1' || ?1, '20m', 'CW', '2024-05-19 12:00:00', 'n0', 'W')");
        if (!fill(devices[0]->copy, insert.arg("S"), kShared) || !devices[0]->round(false).ok) {
            state.SkipWithError("cannot share the first QSOs");
            return;
        }
        for (auto &device : devices)
            if (!device->round(false).ok) {
                state.SkipWithError("cannot pull the shared QSOs");
                return;
            }
        // Offline work, edits interleaved across devices in time: the later edit must win.
        QMap<int, QString> latest;
        QRandomGenerator random(42);
        for (int d = 0; d < kDevices; ++d)
            if (!fill(devices[d]->copy, insert.arg(QStringLiteral("D%1N").arg(d)), kNew)) {
                state.SkipWithError("cannot log offline");
                return;
            }
        for (int e = 0; e < kEdits; ++e) {
            for (int d = 0; d < kDevices; ++d) {
                const int target = int(random.bounded(kShared));
                const QString value = QStringLiteral("d%1e%2").arg(d).arg(e);
                if (!fill(devices[d]->copy,
                          QStringLiteral("UPDATE logbook SET note = '%1' WHERE callsign = 'S%2' "
                                         "AND ?1 = 0")
                              .arg(value)
                              .arg(target),
                          1)) {
                    state.SkipWithError("cannot edit offline");
                    return;
                }
                latest[target] = value;
                QThread::usleep(1100);
            }
        }
        std::vector<double> took(kDevices, 0);
        state.ResumeTiming();
        for (int round = 0; round < 2; ++round) {
            std::vector<std::unique_ptr<QThread>> threads;
            for (int d = 0; d < kDevices; ++d) {
                threads.emplace_back(QThread::create([&devices, &took, d] {
                    QElapsedTimer timer;
                    timer.start();
                    if (devices[d]->round(false).ok)
                        took[d] += double(timer.elapsed());
                    else
                        took[d] = -1e9;
                }));
                threads.back()->start();
            }
            for (auto &thread : threads)
                thread->wait();
        }
        state.PauseTiming();
        slowestMs = *std::max_element(took.begin(), took.end());
        converged = slowestMs >= 0;
        for (auto &device : devices) {
            db::Database database;
            database.open(device->copy, db::Database::Mode::ReadOnly);
            db::Statement count = database.prepare("SELECT count(*) FROM logbook");
            converged =
                converged && count.step() && count.int64(0) == kShared + qint64(kDevices) * kNew;
            db::Statement note = database.prepare("SELECT note FROM logbook WHERE callsign = ?");
            for (auto it = latest.cbegin(); converged && it != latest.cend(); ++it) {
                note.reset();
                note.bind(1, QStringLiteral("S%1").arg(it.key()));
                converged = note.step() && note.text(0) == it.value();
            }
        }
        state.ResumeTiming();
    }
    state.counters["slowest_device_ms"] = slowestMs;
    state.counters["converged"] = converged ? 1 : 0;
}
BENCHMARK(twentyDevicesAtOnce)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
