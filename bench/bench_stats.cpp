// QSO statistics on the shared 300 000-QSO logbook (see BenchLogbook.h): what the statistics
// screen waits for when it opens and again after each write while it is shown.

#include "BenchLogbook.h"

#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "stats/StatisticsReader.h"

#include <benchmark/benchmark.h>

namespace {

/** Every count and the first and last QSO per entity, read from the logbook file. */
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

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
