// DXCC resolution speed with the shipped database and a MASTER.SCP callsign mix: the model's
// in-memory copies (what the program uses) against opening the file for every statement.
//   bench_dxcc --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "refdata/DXCCModel.h"
#include "refdata/SqlDxccSource.h"
#include "root/AppDelegate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

#include <benchmark/benchmark.h>

namespace {

/** The committed MASTER.SCP sample, or the whole file named by BRINDLEWICK_MASTER_SCP. */
QStringList callsigns()
{
    QString path = qEnvironmentVariable("BRINDLEWICK_MASTER_SCP");
    if (path.isEmpty())
        path = QFileInfo(QStringLiteral(__FILE__))
                   .dir()
                   .filePath(QStringLiteral("../tests/refdata/data/master_scp_sample.txt"));
    QFile file(path);
    QStringList calls;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                calls << QString::fromLatin1(line.trimmed());
    return calls;
}

struct Setup {
    QTemporaryDir dir;
    AppDelegate app{DataFolder::at(dir.path())};
    QStringList calls = callsigns();
    QDateTime date{QDate(2024, 6, 15), QTime(12, 0), QTimeZone::utc()};
};

Setup &setup()
{
    static Setup shared;
    return shared;
}

void run(benchmark::State &state, DXCCModel &model)
{
    const Setup &s = setup();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.getDXCC(s.calls.at(i), s.date));
        if (++i == s.calls.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ResolveCached(benchmark::State &state)
{
    DXCCModel &model = setup().app.dxcc();
    (void)model.getDXCC(QStringLiteral("DL1ABC")); // the first query reads the tables
    run(state, model);
}

/** Each statement opens the file, runs and closes it again. */
void BM_ResolveOpenQueryClose(benchmark::State &state)
{
    AppDelegate &app = setup().app;
    DXCCModel model(
        app.folder(), app.clock(),
        std::make_unique<SqlDxccSource>(app.folder().filePath(QStringLiteral("ClublogDXCC.db")),
                                        app.folder().filePath(QStringLiteral("IOTA.db"))));
    run(state, model);
}

} // namespace

BENCHMARK(BM_ResolveCached);
BENCHMARK(BM_ResolveOpenQueryClose);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
