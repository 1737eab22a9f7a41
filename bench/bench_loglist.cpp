// How long the log list takes to show its first rows on the shared 300 000-QSO logbook (see
// BenchLogbook.h): the list is built and the rows a screen shows first (at the top, or at the
// bottom when the newest QSO is last) are read.

#include "BenchLogbook.h"

#include "entry/LogListModel.h"
#include "root/AppDelegate.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

namespace {

using bench::benchApp;

// About one screenful of rows.
constexpr int kVisibleRows = 40;

/** Range and order from the arguments; every row shown is read. */
void firstRowsShown(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    app->defaults().setValue(QStringLiteral("xQSOsIndex"), int(state.range(0)));
    app->defaults().setValue(QStringLiteral("QsoSortIndex"), int(state.range(1)));
    {
        // The once-per-logbook DX table rebuild is not what is measured.
        LogListModel warmUp(app->defaults(), app->clock(), app->log(),
                            QStringLiteral("QsoSortIndex"));
    }
    for (auto _ : state) {
        LogListModel list(app->defaults(), app->clock(), app->log(),
                          QStringLiteral("QsoSortIndex"));
        const int target = list.scrollTarget();
        const int first = target > 0 ? std::max(0, target - kVisibleRows + 1) : 0;
        for (int row = first; row < std::min(list.rowCount(), first + kVisibleRows); ++row)
            benchmark::DoNotOptimize(list.data(list.index(row), LogListModel::CallsignRole));
        if (list.rowCount() == 0)
            state.SkipWithError("the list is empty");
    }
}
// Range 4 (all) in every order, and the default range 0 for comparison.
BENCHMARK(firstRowsShown)
    ->ArgNames({"range", "order"})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({4, 2})
    ->Args({4, 3})
    ->Args({4, 4})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond);

/** Scrolling deep into a range: one page read at a place far down the list. */
void readPagesFarDown(benchmark::State &state, int range, int order)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    app->defaults().setValue(QStringLiteral("xQSOsIndex"), range);
    app->defaults().setValue(QStringLiteral("QsoSortIndex"), order);
    LogListModel list(app->defaults(), app->clock(), app->log(), QStringLiteral("QsoSortIndex"));
    if (list.rowCount() == 0)
        state.SkipWithError("the list is empty");
    int row = list.rowCount() / 2;
    for (auto _ : state) {
        // A page not read yet each time.
        row = (row + LogListModel::kPageSize * 7) % std::max(1, list.rowCount());
        benchmark::DoNotOptimize(list.data(list.index(row), LogListModel::CallsignRole));
    }
}

/** Deep into "all", by order. */
void pageFarDown(benchmark::State &state)
{
    readPagesFarDown(state, 4, int(state.range(0)));
}
BENCHMARK(pageFarDown)->ArgName("order")->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

/** Deep into "this and last year" (the logbook's last two years, about 40 000 QSOs), by order:
 *  the range is cut by date while the list is sorted by something else. */
void pageFarDownInRange(benchmark::State &state)
{
    if (AppDelegate *app = benchApp(state))
        app->clock().setFixed(QDateTime(QDate(2025, 12, 1), QTime(12, 0), Qt::UTC));
    readPagesFarDown(state, 3, int(state.range(0)));
}
BENCHMARK(pageFarDownInRange)->ArgName("order")->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

/** "Select QSO and all further down" from the top of "all" (every QSO of the logbook marked),
 *  by order; the list is built and its first screen read before the clock runs. */
void selectAllFurtherDown(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    app->defaults().setValue(QStringLiteral("xQSOsIndex"), 4);
    app->defaults().setValue(QStringLiteral("QsoSortIndex"), int(state.range(0)));
    LogListModel list(app->defaults(), app->clock(), app->log(), QStringLiteral("QsoSortIndex"));
    if (list.rowCount() == 0)
        state.SkipWithError("the list is empty");
    for (auto _ : state) {
        state.PauseTiming();
        list.clearMarks();
        benchmark::DoNotOptimize(list.data(list.index(0), LogListModel::CallsignRole));
        state.ResumeTiming();
        list.markAllQsos(0);
    }
    if (list.markedCount() != list.rowCount())
        state.SkipWithError("not every row was marked");
    state.counters["marked"] = double(list.markedCount());
}
BENCHMARK(selectAllFurtherDown)
    ->ArgName("order")
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
