// Worked and confirmed on the shared 300 000-QSO logbook (see BenchLogbook.h): the questions the
// cluster asks for every spot, a save with the DX info refresh, and the DXCC statistics.

#include "BenchLogbook.h"

#include "loggen/QsoGenerator.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "refdata/OneDxSpotClass.h"
#include "root/AppDelegate.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

/** Spots of the calls, bands and modes a log like this one would see. */
QList<OneDxSpotClass> spots(benchmark::State &state, int count)
{
    QString error;
    const std::optional<QStringList> calls = bench::callsigns(&error);
    if (!calls) {
        state.SkipWithError(qPrintable(error));
        return {};
    }
    loggen::QsoGenerator qsos(*calls, count, loggen::Options{.seed = 3});
    QList<OneDxSpotClass> list;
    for (int i = 0; i < count; ++i) {
        const QsoClass qso = qsos.next();
        OneDxSpotClass spot;
        spot.dxCall = qso.callsign;
        spot.band = qso.band;
        spot.xBand = refdata::band2xBand(qso.band);
        spot.xMode = refdata::mode2xMode(qso.mode);
        spot.adif = qso.adif;
        list.append(spot);
    }
    return list;
}

/** The thirteen answers that colour one spot, as the cluster asks them. */
void thirteenAnswersPerSpot(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    bench::buildDxList(log);
    const QList<OneDxSpotClass> list = spots(state, 1000);
    if (list.isEmpty())
        return;
    // Built before timing: the first question reads the whole logbook.
    benchmark::DoNotOptimize(log.spotAnswers(list.first()));
    qsizetype next = 0;
    for (auto _ : state) {
        const OneDxSpotClass &spot = list.at(next++ % list.size());
        const SpotAnswers answers = log.spotAnswers(spot);
        benchmark::DoNotOptimize(answers);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(thirteenAnswersPerSpot)->Unit(benchmark::kMicrosecond);

/** The grid square summary of spots with a locator (three questions each, as the LoTW screen and
 *  the cluster ask them): squares the log holds and squares it does not. */
void locatorStatusOfSpots(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    QString error;
    const std::optional<QStringList> calls = bench::callsigns(&error);
    if (!calls) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    loggen::QsoGenerator qsos(*calls, 1000, loggen::Options{.seed = 5});
    QList<std::pair<QString, QString>> asked;
    for (int i = 0; i < 1000; ++i) {
        const QsoClass qso = qsos.next();
        if (qso.locator.size() >= 4)
            asked.append({qso.locator, qso.band});
    }
    if (asked.isEmpty()) {
        state.SkipWithError("no locators generated");
        return;
    }
    LogModel &log = app->log();
    qsizetype next = 0;
    for (auto _ : state) {
        const auto &[locator, band] = asked.at(next++ % asked.size());
        benchmark::DoNotOptimize(log.getLocatorStatus(locator, band));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(locatorStatusOfSpots)->Unit(benchmark::kMicrosecond);

/** The entity with the most QSOs in the logbook. */
int largestEntity(AppDelegate &app)
{
    LogModel &log = app.log();
    int best = 0;
    qsizetype most = 0;
    for (const int adif : log.getDistinctDxccAdifsfromLog()) {
        const qsizetype count = log.getQSOsFromDXCC(std::abs(adif)).size();
        if (count > most) {
            most = count;
            best = std::abs(adif);
        }
    }
    return best;
}

/** A new QSO of the largest entity, with its DX info brought up to date. */
void saveNewQSOofLargeEntity(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    bench::buildDxList(log);
    static const int adif = largestEntity(*app);
    const QList<QsoClass> sample = log.getQSOsFromDXCC(adif).mid(0, 1000);
    qsizetype next = 0;
    for (auto _ : state) {
        QsoClass qso = sample.at(next++ % sample.size());
        if (!log.saveNewQSOtoLog(qso))
            state.SkipWithError("saveNewQSOtoLog stored nothing");
    }
    state.SetLabel(QStringLiteral("entity %1").arg(adif).toStdString());
}
BENCHMARK(saveNewQSOofLargeEntity)->Unit(benchmark::kMillisecond);

/** The full rebuild an update, a delete or an import does for the largest entity. */
void rebuildDxInfoOfLargeEntity(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    static const int adif = largestEntity(*app);
    QsoClass qso;
    qso.adif = adif;
    for (auto _ : state)
        log.updateDxInfoString(qso);
    state.SetLabel(QStringLiteral("%1 QSOs").arg(log.getQSOsFromDXCC(adif).size()).toStdString());
}
BENCHMARK(rebuildDxInfoOfLargeEntity)->Unit(benchmark::kMillisecond);

/** A spot of the QSO's station, band and mode. */
OneDxSpotClass spotOf(const QsoClass &qso)
{
    OneDxSpotClass spot;
    spot.dxCall = qso.callsign;
    spot.band = qso.band;
    spot.xBand = refdata::band2xBand(qso.band);
    spot.xMode = refdata::mode2xMode(qso.mode);
    spot.adif = qso.adif;
    return spot;
}

/** What the cluster and the entry form ask after a write: the spot of the QSO and its entity's
 *  DX info. */
void askStatus(LogModel &log, const QsoClass &qso)
{
    const SpotAnswers answers = log.spotAnswers(spotOf(qso));
    benchmark::DoNotOptimize(answers);
    const QString info = log.getDxInfoString(std::abs(qso.adif));
    benchmark::DoNotOptimize(info);
}

/** One QSO of the largest entity moved between 20 m and 40 m, until the cluster's answers and the
 *  entity's DX info are right again. */
void editQsoUntilStatusRight(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    bench::buildDxList(log);
    static const int adif = largestEntity(*app);
    QsoClass stored = log.getQSOsFromDXCC(adif).constFirst();
    askStatus(log, stored);
    for (auto _ : state) {
        QsoClass edited = stored;
        edited.band = stored.band == u"20m" ? QStringLiteral("40m") : QStringLiteral("20m");
        if (!log.updateQSO(stored, edited))
            state.SkipWithError("updateQSO stored nothing");
        askStatus(log, edited);
        stored = edited;
    }
    state.SetLabel(QStringLiteral("entity %1").arg(adif).toStdString());
}
BENCHMARK(editQsoUntilStatusRight)->Unit(benchmark::kMillisecond);

/** One QSO of the largest entity deleted, until the answers and the DX info are right again (it is
 *  stored anew, untimed, for the next round). */
void deleteQsoUntilStatusRight(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    bench::buildDxList(log);
    static const int adif = largestEntity(*app);
    QsoClass qso = log.getQSOsFromDXCC(adif).constFirst();
    askStatus(log, qso);
    for (auto _ : state) {
        if (!log.deleteQSO(qso))
            state.SkipWithError("deleteQSO removed nothing");
        askStatus(log, qso);
        state.PauseTiming();
        qso.id.reset();
        if (!log.saveNewQSOtoLog(qso))
            state.SkipWithError("saveNewQSOtoLog stored nothing");
        askStatus(log, qso);
        state.ResumeTiming();
    }
    state.SetLabel(QStringLiteral("entity %1").arg(adif).toStdString());
}
BENCHMARK(deleteQsoUntilStatusRight)->Unit(benchmark::kMillisecond);

void getNumbersOfDXCCs(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    bench::buildDxList(log);
    for (auto _ : state) {
        const dxstats::Counts counts = log.getNumbersOfDXCCs(0, false);
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(getNumbersOfDXCCs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
