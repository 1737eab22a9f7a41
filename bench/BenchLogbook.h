#pragma once

#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <optional>

class AppDelegate;
class LogModel;

/** The 300 000-QSO logbook the benchmarks share, the size of a busy contester's log.
 *
 *  It is generated once per run into a temporary data folder and chosen as "LogDbName". Set
 *  BRINDLEWICK_BENCH_LOGBOOK to a file path to keep the generated logbook between runs: it is made
 *  there when missing and copied into the data folder otherwise. The callsigns come from
 *  MASTER.SCP (scripts/fetch-debian-data.sh hamradio-files). */
namespace bench {

inline constexpr qint64 kQsos = 300000;

/** MASTER.SCP's callsigns; nothing, with the reason, when the file has not been fetched. */
[[nodiscard]] std::optional<QStringList> callsigns(QString *error);

/** The application object over the data folder with the big logbook; made on first use (so that
 *  listing the benchmarks generates nothing). Null, with the benchmark skipped, when it cannot
 *  be made. */
[[nodiscard]] AppDelegate *benchApp(benchmark::State &state);

/** Every entity's DX info built once, as a logbook has it after its first start. */
void buildDxList(LogModel &log);

/** The usual main(): UTC, en_GB, Google Benchmark's arguments, the run, and tidying up. */
int runBenchmarks(int argc, char *argv[]);

} // namespace bench
