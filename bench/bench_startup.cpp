// The application started on the shared 300 000-QSO logbook (see BenchLogbook.h), all of it in
// the list, from the process's start until its first frame shows the log list with its rows read,
// and the peak memory by then. The program itself tells when that frame was shown
// ("--startup-probe"); the time is measured here, from the start of the process, so loading the
// program counts too.

#include "BenchLogbook.h"

#include "app/UserDefaults.h"
#include "root/AppDelegate.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

struct Start {
    double seconds = 0;
    double peakMegabytes = 0;
    double listed = 0;
    QString failure;
};

Start startOnce(const QString &dataFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(BRINDLEWICK_APP),
                  {QStringLiteral("--data-dir"), dataFolder, QStringLiteral("--layout"),
                   QStringLiteral("tablet"), QStringLiteral("--startup-probe")});
    static const QRegularExpression report(
        QStringLiteral("with (\\d+) listed .* peak memory (\\d+) MB"));
    Start start;
    while (process.waitForReadyRead(60000)) {
        const QRegularExpressionMatch match = report.match(QString::fromUtf8(process.readAll()));
        if (match.hasMatch()) {
            start.seconds = double(clock.nsecsElapsed()) / 1e9;
            start.listed = match.captured(1).toDouble();
            start.peakMegabytes = match.captured(2).toDouble();
            break;
        }
    }
    process.waitForFinished(60000);
    if (start.listed == 0)
        start.failure = QStringLiteral("the program showed no list: ") + process.errorString();
    return start;
}

void startApplication(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    const QString folder = app->folder().path;
    // The whole logbook in the list, newest first: the list a contester keeps open.
    app->defaults().setValue(QStringLiteral("xQSOsIndex"), 4);
    app->defaults().setValue(QStringLiteral("LogSortIndes"), 1);
    app->defaults().sync();
    // The first start on a logbook builds its DX list once and shows the first-start notice.
    startOnce(folder);
    double peak = 0;
    double listed = 0;
    for (auto _ : state) {
        const Start start = startOnce(folder);
        if (!start.failure.isEmpty()) {
            state.SkipWithError(qPrintable(start.failure));
            return;
        }
        state.SetIterationTime(start.seconds);
        peak = std::max(peak, start.peakMegabytes);
        listed = start.listed;
    }
    state.counters["peak_MB"] = peak;
    state.counters["listed"] = listed;
}
BENCHMARK(startApplication)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
