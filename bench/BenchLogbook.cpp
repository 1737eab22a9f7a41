#include "BenchLogbook.h"

#include "loggen/CallsignList.h"
#include "loggen/LogbookWriter.h"
#include "loggen/QsoGenerator.h"
#include "model/LogModel.h"
#include "model/QsoClass.h"
#include "root/AppDelegate.h"
#include "root/Startup.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace bench {
namespace {

const QString kLogbook = QStringLiteral("Bench.rlog");

struct BenchData {
    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> app;
    QString error;
};

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

/** Gone before the application object. */
std::unique_ptr<BenchData> g_data;

} // namespace

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

AppDelegate *benchApp(benchmark::State &state)
{
    if (!g_data)
        g_data = prepare();
    if (!g_data->app)
        state.SkipWithError(qPrintable(g_data->error));
    return g_data->app.get();
}

void buildDxList(LogModel &log)
{
    static bool built = false;
    if (built)
        return;
    for (const int adif : log.getDistinctDxccAdifsfromLog()) {
        QsoClass representative;
        representative.adif = std::abs(adif);
        log.updateDxInfoString(representative);
    }
    built = true;
}

int runBenchmarks(int argc, char *argv[])
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

} // namespace bench
