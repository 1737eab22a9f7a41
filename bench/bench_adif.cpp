// ADIF export and import of 100 000 QSOs taken from the shared 300 000-QSO logbook (see
// BenchLogbook.h). In the imported file 30 % of the records carry no entity number, so the
// import resolves those calls itself, as it would for files of many other programs.

#include "BenchLogbook.h"

#include "adif/AdifImport.h"
#include "adif/AdifText.h"
#include "adif/DxccEntityLookup.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 100000;

QList<QsoClass> sample(LogModel &log)
{
    QList<QsoClass> qsos = log.getlastQSOs(4); // newest first
    std::reverse(qsos.begin(), qsos.end());
    qsos.resize(qMin<qsizetype>(qsos.size(), kRecords));
    return qsos;
}

void exportQsos(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    for (auto _ : state) {
        QString text = adif::exportHeader();
        for (const QsoClass &qso : sample(log))
            text += log.makeAdifRecord(qso);
        benchmark::DoNotOptimize(text.toUtf8());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(exportQsos)->Unit(benchmark::kMillisecond);

/** The export of the sample, every third record without its "dxcc" field. */
QString importText(LogModel &log)
{
    static const QRegularExpression dxcc(QStringLiteral("<dxcc:\\d+>\\d+ "));
    QString text = adif::exportHeader();
    int n = 0;
    for (const QsoClass &qso : sample(log)) {
        QString record = log.makeAdifRecord(qso);
        if (n++ % 10 < 3)
            record.remove(dxcc);
        text += record;
    }
    return text;
}

void importQsos(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &source = app->log();
    const QString text = importText(source);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        AppDelegate target(DataFolder::at(folder.path()));
        LogModel &log = target.log();
        DxccEntityLookup entities(target.dxcc());
        state.ResumeTiming();
        AdifImport import(target.defaults(), log, entities);
        const AdifImport::Result result = import.run(adif::importAdif(text));
        if (result.imported != kRecords)
            state.SkipWithError("not every record was imported");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(importQsos)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
