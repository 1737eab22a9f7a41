// The Club Log upload file of the whole shared 300 000-QSO logbook (see BenchLogbook.h): every
// QSO read page by page, written as a Club Log record into the form body in a temporary file, as
// "upload all" does before it sends anything (a dry run, so nothing is sent). Then the marking
// after Club Log took such a file, with every QSO waiting.

#include "BenchLogbook.h"

#include "db/Database.h"
#include "model/LogListQuery.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "services/ClublogMarks.h"
#include "services/ClublogUpload.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

/** One dry run of a full upload; its outcome. */
ClublogUpload::Outcome prepareFullLog(AppDelegate &app, ClublogUpload &upload)
{
    ClublogUpload::Outcome outcome;
    QEventLoop loop;
    const QMetaObject::Connection done = QObject::connect(
        &upload, &ClublogUpload::finished, &loop, [&](const ClublogUpload::Outcome &result) {
            outcome = result;
            loop.quit();
        });
    upload.dryRun(
        ClublogUpload::Kind::FullLog, app.log(),
        {QStringLiteral("op@example.org"), QStringLiteral("secret"), QStringLiteral("DL1BWK")});
    loop.exec();
    QObject::disconnect(done);
    return outcome;
}

void prepareWholeLogFile(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    QNetworkAccessManager network;
    HttpClient http(network, app->defaults());
    ClublogUpload upload(http, app->defaults(), app->clock());
    ClublogUpload::Outcome outcome;
    for (auto _ : state)
        outcome = prepareFullLog(*app, upload);
    if (outcome.qsos != bench::kQsos)
        state.SkipWithError("not every QSO was written");
    state.counters["qsos"] = double(outcome.qsos);
    state.counters["MB"] = double(outcome.bytes) / 1e6;
}
// Includes the 50 ms the screen is given to show "Preparing ADIF file ..." first.
BENCHMARK(prepareWholeLogFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

/** Every QSO of the logbook sent while waiting, as after the first "upload all". */
QList<ClublogSent> everyQsoWaiting(LogModel &log)
{
    return clublogfile::chunkOf(log.getlastQSOs(LogListQuery::All), log.modesList()).sent;
}

void markWholeLogUploaded(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    const QString logbook = log.fullLogDatabasePath();
    const adif::ModesList modes = log.modesList();
    QTemporaryDir dir;
    const QString pristine = dir.filePath(QStringLiteral("pristine.rlog"));
    if (!QFile::copy(logbook, pristine)) {
        state.SkipWithError("cannot copy the logbook");
        return;
    }
    {
        // As after an import of a log never sent to Club Log: every QSO waits.
        db::Database database;
        if (database.open(logbook) != 0 ||
            !database.exec(QStringLiteral("update logbook set clublog='W'"))) {
            state.SkipWithError("cannot queue the QSOs");
            return;
        }
    }
    const QList<ClublogSent> sent = everyQsoWaiting(log);
    const QString waiting = dir.filePath(QStringLiteral("waiting.rlog"));
    QFile::copy(logbook, waiting);
    qint64 marked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(logbook);
        QFile::copy(waiting, logbook);
        // Argument 0: nothing was written during the upload; 1: something was, so each QSO is
        // read again and its record compared with the one sent.
        const std::optional<db::FileStamp> readFrom =
            state.range(0) == 0 ? db::FileStamp::of(logbook) : std::nullopt;
        state.ResumeTiming();
        marked = clublogmarks::markInFile(logbook, formats::DateStyle::Short, modes, sent, readFrom)
                     .marked;
    }
    QFile::remove(logbook);
    QFile::copy(pristine, logbook);
    state.counters["marked"] = double(marked);
}
BENCHMARK(markWholeLogUploaded)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
