// Logbook reads and writes on a 300 000-QSO logbook, the size of a busy contester's log.
//
// The logbook is generated once per run into a temporary data folder. Set
// BRINDLEWICK_BENCH_LOGBOOK to a file path to keep the generated logbook between runs: it is made
// there when missing and copied into the data folder otherwise. The callsigns come from MASTER.SCP
// (scripts/fetch-debian-data.sh hamradio-files).

#include "app/AppDelegate.h"
#include "app/Startup.h"
#include "loggen/CallsignList.h"
#include "loggen/LogbookWriter.h"
#include "loggen/QsoGenerator.h"
#include "model/LogModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr qint64 kQsos = 300000;
const QString kLogbook = QStringLiteral("Bench.rlog");

/** The data folder with the big logbook chosen as "LogDbName". */
struct BenchData {
    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> app;
    QString error;
};

std::optional<QStringList> callsigns(QString *error)
{
    const QString path = loggen::fetchedMasterScp();
    if (!QFile::exists(path)) {
        *error = QStringLiteral("%1 is missing: run scripts/fetch-debian-data.sh hamradio-files")
                     .arg(path);
        return std::nullopt;
    }
    return loggen::readCallsignList(path, error);
}

bool makeLogbook(const QString &target, QString *error)
{
    const std::optional<QStringList> calls = callsigns(error);
    if (!calls)
        return false;
    loggen::QsoGenerator qsos(*calls, kQsos, loggen::Options{});
    return loggen::writeLogbook(target, qsos, kQsos, error);
}

std::unique_ptr<BenchData> prepare()
{
    auto data = std::make_unique<BenchData>();
    const QString target = data->folder.filePath(kLogbook);
    const QString cached = qEnvironmentVariable("BRINDLEWICK_BENCH_LOGBOOK");
    if (cached.isEmpty()) {
        if (!makeLogbook(target, &data->error))
            return data;
    } else {
        if (!QFile::exists(cached) && !makeLogbook(cached, &data->error))
            return data;
        if (!QFile::copy(cached, target)) {
            data->error = QStringLiteral("cannot copy %1").arg(cached);
            return data;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    data->app = std::make_unique<AppDelegate>(DataFolder::at(data->folder.path()));
    data->app->defaults().setValue(QStringLiteral("LogDbName"), kLogbook);
    return data;
}

/** Made on first use, so that listing the benchmarks generates nothing; gone before the
 *  application object. */
std::unique_ptr<BenchData> g_data;

AppDelegate *benchApp(benchmark::State &state)
{
    if (!g_data)
        g_data = prepare();
    const std::unique_ptr<BenchData> &data = g_data;
    if (!data->app)
        state.SkipWithError(qPrintable(data->error));
    return data->app.get();
}

void getlastQSOs_code1(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    LogModel model(*app);
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
    const std::optional<QStringList> calls = callsigns(&error);
    if (!calls) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    loggen::QsoGenerator qsos(*calls, kQsos, loggen::Options{.seed = 2});
    LogModel model(*app);
    for (auto _ : state) {
        state.PauseTiming();
        QsoClass qso = qsos.next();
        state.ResumeTiming();
        if (model.saveNewQSOtoLog(qso) == 0)
            state.SkipWithError("saveNewQSOtoLog stored nothing");
    }
}
BENCHMARK(saveNewQSOtoLog)->Unit(benchmark::kMillisecond);

/** Every screen and service makes its own model, so making one must stay cheap. */
void makeLogModel(benchmark::State &state)
{
    AppDelegate *app = benchApp(state);
    if (!app)
        return;
    for (auto _ : state) {
        LogModel model(*app);
        benchmark::DoNotOptimize(&model);
    }
}
BENCHMARK(makeLogModel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    startup::useUtcTimeZone();
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_data.reset();
    return 0;
}
