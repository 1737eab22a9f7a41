// QSO statistics on the shared 300 000-QSO logbook (see BenchLogbook.h): what the statistics
// screen waits for when it opens, and after each QSO saved while it is shown.

#include "BenchLogbook.h"

#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "stats/Statistics.h"
#include "stats/StatisticsReader.h"
#include "stats/StatisticsTally.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

/** The grouped reading the command line uses: every count, the first and last QSO per entity. */
void readAllStatistics(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    const QString path = app->log().fullLogDatabasePath();
    for (auto _ : state) {
        const std::optional<stats::QsoStatistics> numbers = stats::readStatistics(path);
        if (!numbers || numbers->total != bench::kQsos) {
            state.SkipWithError("the statistics were not read");
            return;
        }
        benchmark::DoNotOptimize(numbers->entities.size());
    }
}
BENCHMARK(readAllStatistics)->Unit(benchmark::kMillisecond);

/** The screen's first reading (on its worker): every QSO counted by what it adds, and the
 *  numbers made from the counts. */
void countAllStatistics(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    const QString path = app->log().fullLogDatabasePath();
    for (auto _ : state) {
        auto tally = std::make_unique<stats::StatisticsTally>();
        if (!tally->build(path) || tally->statistics().total != bench::kQsos) {
            state.SkipWithError("the statistics were not counted");
            return;
        }
        benchmark::DoNotOptimize(tally->size());
        // Thrown away on the worker, after the reading that replaced it.
        state.PauseTiming();
        tally.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(countAllStatistics)->Unit(benchmark::kMillisecond);

QsoClass newQso(int n)
{
    QsoClass qso;
    qso.callsign = QStringLiteral("DL%1ST").arg(n % 10);
    qso.dateTime = QDateTime(QDate(2026, 1, 1), QTime(12, 0), QTimeZone::utc()).addSecs(n);
    qso.band = QStringLiteral("20m");
    qso.mode = QStringLiteral("CW");
    qso.qrg = 14025.0;
    qso.adif = 230;
    qso.dxcc = QStringLiteral("DL");
    qso.cnt = QStringLiteral("EU");
    qso.locator = QStringLiteral("JO62QM");
    return qso;
}

/** One QSO saved while the screen is shown, until its numbers are right again: the write, the
 *  changed QSO read again and counted, and the numbers made from the counts. The QSO is deleted
 *  again untimed. */
void saveOneQso(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    stats::Statistics statistics(log);
    statistics.setLive(true);
    while (statistics.isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const qint64 before = statistics.current().total;
    int n = 0;
    for (auto _ : state) {
        QsoClass qso = newQso(n++);
        if (!log.saveNewQSOtoLog(qso) || statistics.current().total != before + 1 ||
            statistics.isReading()) {
            state.SkipWithError("the saved QSO was not counted");
            return;
        }
        state.PauseTiming();
        if (!log.deleteQSO(qso) || statistics.current().total != before)
            state.SkipWithError("the deleted QSO was not counted out");
        state.ResumeTiming();
    }
}
BENCHMARK(saveOneQso)->Unit(benchmark::kMillisecond);

/** The statistics' own share of saveOneQso: the saved QSO read again and counted in, and the
 *  numbers made (the save itself untimed). */
void countOneSavedQso(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    const QString path = log.fullLogDatabasePath();
    stats::StatisticsTally tally;
    if (!tally.build(path)) {
        state.SkipWithError("the statistics were not counted");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QsoClass qso = newQso(n++);
        const bool saved = log.saveNewQSOtoLog(qso) && qso.id;
        state.ResumeTiming();
        if (!saved) {
            state.SkipWithError("saveNewQSOtoLog stored nothing");
            return;
        }
        if (!tally.update(path, {*qso.id}) || tally.statistics().total != bench::kQsos + 1) {
            state.SkipWithError("the saved QSO was not counted");
            return;
        }
        state.PauseTiming();
        if (!log.deleteQSO(qso) || !tally.update(path, {*qso.id}))
            state.SkipWithError("the deleted QSO was not counted out");
        state.ResumeTiming();
    }
}
BENCHMARK(countOneSavedQso)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
