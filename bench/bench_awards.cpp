// The awards on the shared 300 000-QSO logbook (see BenchLogbook.h): every award counted at
// start, and brought up to date after one QSO is saved.

#include "BenchLogbook.h"

#include "awards/AwardEngine.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <benchmark/benchmark.h>

namespace {

/** What the Awards tab and `awards list` ask: every award's counts. */
void askEveryAward(awards::AwardEngine &engine)
{
    for (int i = 0; i < awards::kListedCount; ++i) {
        const awards::AwardResult result = engine.result(awards::Award(i), {});
        benchmark::DoNotOptimize(result.worked);
    }
}

/** One read of the logbook and every award's counts, as at start. */
void everyAwardFromScratch(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    awards::AwardEngine engine;
    engine.setPath(app->log().fullLogDatabasePath());
    for (auto _ : state) {
        engine.invalidate();
        askEveryAward(engine);
    }
}
BENCHMARK(everyAwardFromScratch)->Unit(benchmark::kMillisecond);

/** A QSO saved (not timed), the change taken in and every award asked again. */
void everyAwardAfterOneSave(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    awards::AwardEngine engine;
    engine.setPath(log.fullLogDatabasePath());
    askEveryAward(engine);
    QsoChange last;
    QObject::connect(&log, &LogModel::qsosChanged, &log,
                     [&last](const QsoChange &change) { last = change; });
    const QList<QsoClass> sample = log.getlastQSOs(1).mid(0, 500);
    qsizetype next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QsoClass qso = sample.at(next++ % sample.size());
        if (!log.saveNewQSOtoLog(qso))
            state.SkipWithError("saveNewQSOtoLog stored nothing");
        state.ResumeTiming();
        engine.takeChange(last);
        askEveryAward(engine);
    }
    state.SetLabel(QStringLiteral("%1 full reads").arg(engine.builds()).toStdString());
}
BENCHMARK(everyAwardAfterOneSave)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
