// The cluster's spot pipeline on the shared 300 000-QSO logbook (see BenchLogbook.h): 100 000
// cluster lines of the kind a skimmer-fed node sends (many entities, CW, FT8 and SSB, grids after
// the time, the same stations again and again) through parsing, entity, the thirteen answers,
// the IOTA answers, the filter and the capped spot list. The cluster is fed on one thread at
// 50–300 lines a second, so this must go far beyond that.

#include "BenchLogbook.h"

#include "cluster/SpotFilter.h"
#include "cluster/SpotList.h"
#include "cluster/SpotMaker.h"
#include "loggen/Random.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <array>
#include <cstdlib>

namespace {

constexpr int kLines = 100000;
const QDateTime kNow(QDate(2025, 12, 31), QTime(18, 0), Qt::UTC);

/** Resident memory in MiB, from the kernel's own count. */
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096.0 / (1024.0 * 1024.0) : 0.0;
}

struct Segment {
    double low;
    double high;
    const char *kind; // "CW", "FT8" or "SSB"
};

// Where skimmers and spotters find stations: CW segments, the FT8 watering holes, SSB.
constexpr std::array<Segment, 20> kSegments{{
    {1820, 1838, "CW"},    {3500, 3560, "CW"},    {7000, 7035, "CW"},    {10100, 10130, "CW"},
    {14000, 14060, "CW"},  {18068, 18090, "CW"},  {21000, 21070, "CW"},  {24890, 24915, "CW"},
    {28000, 28070, "CW"},  {50080, 50100, "CW"},  {3573, 3573, "FT8"},   {7074, 7074, "FT8"},
    {14074, 14074, "FT8"}, {21074, 21074, "FT8"}, {28074, 28074, "FT8"}, {5357, 5357, "FT8"},
    {14150, 14350, "SSB"}, {7100, 7200, "SSB"},   {21200, 21450, "SSB"}, {144300, 144400, "SSB"},
}};

const char *const kSpotters[] = {"DL8LAS-#:", "W3LPL-#:", "VE2WU-#:", "JA1NQU-#:",
                                 "OH6BG-#:",  "G4ZFE-#:", "K1TTT-#:", "EA5WU-#:"};

/** Cluster lines as a node writes them, with the padding of DX Spider. */
QStringList spotLines(benchmark::State &state)
{
    QString error;
    const std::optional<QStringList> calls = bench::callsigns(&error);
    if (!calls) {
        state.SkipWithError(qPrintable(error));
        return {};
    }
    loggen::Random random(11);
    // A few hundred stations are on the air at once and spotted again and again.
    QStringList active;
    for (int i = 0; i < 400; ++i)
        active.append(calls->at(qsizetype(random.below(quint64(calls->size())))));
    QStringList lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        const QString &call = random.percent(60)
                                  ? active.at(qsizetype(random.below(quint64(active.size()))))
                                  : calls->at(qsizetype(random.below(quint64(calls->size()))));
        const Segment &segment = kSegments.at(random.below(kSegments.size()));
        const double kHz =
            segment.low + double(random.below(quint64((segment.high - segment.low) * 10) + 1)) / 10;
        QString note;
        if (qstrcmp(segment.kind, "CW") == 0)
            note = QStringLiteral("CW    %1 dB  %2 WPM  CQ")
                       .arg(random.between(3, 40))
                       .arg(random.between(16, 35));
        else if (qstrcmp(segment.kind, "FT8") == 0)
            note = QStringLiteral("FT8 -%1 dB %2 Hz")
                       .arg(random.between(1, 24))
                       .arg(random.between(200, 2900));
        else
            note = random.percent(20)
                       ? QStringLiteral("IOTA EU-%1 59 tnx").arg(random.between(1, 200))
                       : QStringLiteral("up 5 tnx QSO");
        // Spot times lie within the hour before now, so no spot ages out here.
        const QTime time = kNow.time().addSecs(-60 * qint64(random.below(60)));
        QString line = QStringLiteral("DX de %1 %2  %3 %4 %5Z")
                           .arg(QString::fromLatin1(kSpotters[random.below(8)]), -10)
                           .arg(kHz, 8, 'f', 1)
                           .arg(call, -13)
                           .arg(note, -30)
                           .arg(time.toString(QStringLiteral("HHmm")));
        if (random.percent(25))
            line += QStringLiteral(" JO40");
        lines.append(line + QStringLiteral("\r"));
    }
    return lines;
}

/** The whole pipeline, line by line, into the capped list: items are lines. */
void spotPipeline(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    app->clock().setFixed(kNow);
    LogModel &log = app->log();
    bench::buildDxList(log);
    static const QStringList lines = spotLines(state);
    if (lines.isEmpty())
        return;
    cluster::SpotMaker maker(log, app->dxcc());
    maker.setOptions({MyFunctions::bandTable(app->defaults()), true, false,
                      QStringList{"VP8*", "3Y0J"}, QStringLiteral("JO40DF")});
    const cluster::SpotFilter filter = cluster::SpotFilter::read(app->defaults());
    (void)log.spotAnswers(OneDxSpotClass{}); // the status is built once per logbook
    double rssAtHalf = 0.0;
    int listed = 0;
    for (auto _ : state) {
        cluster::SpotList list;
        for (int i = 0; i < lines.size(); ++i) {
            std::optional<OneDxSpotClass> spot = maker.spotFromDxDe(lines.at(i), kNow);
            if (spot && filter.accepts(*spot))
                list.add(std::move(*spot));
            if (i == lines.size() / 2)
                rssAtHalf = residentMiB();
        }
        listed = list.size();
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
    state.counters["listed"] = listed;
    state.counters["rss_half_MiB"] = rssAtHalf;
    state.counters["rss_end_MiB"] = residentMiB();
}
BENCHMARK(spotPipeline)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

/** The first question on a logbook builds its status in one pass. */
void buildSpotStatus(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    bench::buildDxList(app->log());
    for (auto _ : state) {
        const std::unique_ptr<LogModel> fresh = app->log().pinned();
        benchmark::DoNotOptimize(fresh->spotAnswers(OneDxSpotClass{}));
    }
    state.counters["rss_MiB"] = residentMiB();
}
BENCHMARK(buildSpotStatus)->Unit(benchmark::kMillisecond)->Iterations(3);

/** The 20-second ageing pass over a full list. */
void ageFullList(benchmark::State &state)
{
    cluster::SpotList list;
    for (int i = 0; i < cluster::SpotList::kDefaultCapacity; ++i) {
        OneDxSpotClass spot;
        spot.dxCall = QStringLiteral("K%1AA").arg(i);
        spot.band = QStringLiteral("20m");
        spot.mode = QStringLiteral("CW");
        spot.spotTimeStamp = kNow.addSecs(-(cluster::SpotList::kDefaultCapacity - i) / 4);
        spot.timeSince1970 = double(spot.spotTimeStamp.toSecsSinceEpoch());
        list.add(spot);
    }
    for (auto _ : state)
        list.age(kNow);
    state.SetItemsProcessed(state.iterations() * list.size());
}
BENCHMARK(ageFullList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
