// Logbook reads and writes on the shared 300 000-QSO logbook (see BenchLogbook.h).

#include "BenchLogbook.h"

#include "loggen/QsoGenerator.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <benchmark/benchmark.h>

namespace {

using bench::benchApp;

void getlastQSOs_code1(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    LogModel &model = app->log();
    for (auto _ : state) {
        const QList<QsoClass> qsos = model.getlastQSOs(1);
        benchmark::DoNotOptimize(qsos.size());
        if (qsos.size() != 2500)
            state.SkipWithError("getlastQSOs(1) did not give 2500 QSOs");
    }
    state.SetItemsProcessed(state.iterations() * 2500);
}
BENCHMARK(getlastQSOs_code1)->Unit(benchmark::kMillisecond);

void saveNewQSOtoLog(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    QString error;
    const std::optional<QStringList> calls = bench::callsigns(&error);
    if (!calls) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    loggen::QsoGenerator qsos(*calls, bench::kQsos, loggen::Options{.seed = 2});
    LogModel &model = app->log();
    for (auto _ : state) {
        state.PauseTiming();
        QsoClass qso = qsos.next();
        state.ResumeTiming();
        if (!model.saveNewQSOtoLog(qso))
            state.SkipWithError("saveNewQSOtoLog stored nothing");
    }
}
BENCHMARK(saveNewQSOtoLog)->Unit(benchmark::kMillisecond);

/** The Club Log screen's "not uploaded" line after each write: every waiting QSO read, as it was,
 *  against counting them. */
void clublogWaiting_readAll(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    LogModel &model = app->log();
    for (auto _ : state)
        benchmark::DoNotOptimize(model.getNewQSOsForClublog().size());
}
BENCHMARK(clublogWaiting_readAll)->Unit(benchmark::kMillisecond);

void clublogWaiting_count(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    LogModel &model = app->log();
    for (auto _ : state)
        benchmark::DoNotOptimize(model.numberOfNewQSOsForClublog());
}
BENCHMARK(clublogWaiting_count)->Unit(benchmark::kMillisecond);

/** The marks after an upload of the 2 500 newest QSOs (LoTW's "S"): in one write (0), or one
 *  write per QSO as before (1). Each iteration sets the mark or takes it away again. */
void markUploaded(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    LogModel &model = app->log();
    const bool eachAlone = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        QList<QsoEdit> edits;
        for (const QsoClass &qso : model.getlastQSOs(1)) {
            QsoClass edited = qso;
            edited.lotwqsl = qso.lotwqsl == QLatin1String("S") ? QString() : QStringLiteral("S");
            edits.append({qso, edited});
        }
        state.ResumeTiming();
        bool written = true;
        if (eachAlone)
            for (const QsoEdit &edit : std::as_const(edits))
                written = written && model.updateQSO(edit.stored, edit.edited);
        else
            written = bool(model.updateQSOs(edits));
        if (!written)
            state.SkipWithError("the marks were not written");
    }
    state.SetItemsProcessed(state.iterations() * 2500);
}
BENCHMARK(markUploaded)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

/** Every screen and service makes its own model, so making one must stay cheap. */
void makeLogModel(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    for (auto _ : state) {
        LogModel &model = app->log();
        benchmark::DoNotOptimize(&model);
    }
}
BENCHMARK(makeLogModel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
