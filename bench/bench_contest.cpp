// Contest logging on a 10 000-QSO CQ WW log in memory: the dupe check the entry screen makes on
// every keystroke of the call, the score, and the Cabrillo log of all QSOs.

#include "contest/Cabrillo.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestLog.h"
#include "contest/ContestSession.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTimeZone>

namespace {

constexpr int kQsos = 10000;
const QStringList kBands = {QStringLiteral("80m"), QStringLiteral("40m"), QStringLiteral("20m"),
                            QStringLiteral("15m"), QStringLiteral("10m")};
const QList<double> kKHz = {3510, 7010, 14010, 21010, 28010};

QString callNumber(int n)
{
    static const char *prefixes[] = {"K", "DL", "JA", "F", "G", "UA", "VK", "PY", "W", "OH"};
    return QString::fromLatin1(prefixes[n % 10]) + QString::number(n % 9 + 1) +
           QString(QChar(u'A' + (n / 10) % 26)) + QString(QChar(u'A' + (n / 260) % 26)) +
           QString(QChar(u'A' + (n / 6760) % 26));
}

/** A CQ WW CW log of `count` QSOs, two a minute, about 2 000 stations on five bands. */
ContestLog makeLog(int count)
{
    const ContestCatalog catalog({});
    OwnStation own{QStringLiteral("DL1ABC"), 230, QStringLiteral("EU"), 14, 28};
    ContestLog log(*catalog.find(QStringLiteral("CQ-WW-CW")), own);
    QDateTime time(QDate(2026, 11, 28), QTime(0, 0), QTimeZone::utc());
    for (int i = 0; i < count; ++i) {
        ContestQso qso;
        qso.call = callNumber(i % 2000);
        qso.band = kBands.at(i / 2000);
        qso.kHz = kKHz.at(i / 2000);
        qso.mode = QStringLiteral("CW");
        qso.cabMode = QStringLiteral("CW");
        qso.time = time.addSecs(30 * i);
        qso.sent = QStringList{QStringLiteral("599"), QStringLiteral("14")};
        qso.received = QStringList{QStringLiteral("599"), QString::number(i % 40 + 1)};
        qso.receivedForms = QList<int>{0, 0};
        qso.adif = i % 300 + 1;
        qso.continent = i % 3 ? QStringLiteral("NA") : QStringLiteral("EU");
        log.add(qso);
    }
    return log;
}

void BM_DupeCheck(benchmark::State &state)
{
    const ContestLog log = makeLog(kQsos);
    int n = 0;
    for (auto _ : state) {
        // As typed: every prefix of a call, on a band it was and one it was not worked on.
        const QString call = callNumber(n++ % 4000);
        for (qsizetype length = 1; length <= call.size(); ++length)
            benchmark::DoNotOptimize(
                log.dupeOf(call.left(length), QStringLiteral("20m"), QStringLiteral("CW")));
    }
}
BENCHMARK(BM_DupeCheck)->Unit(benchmark::kMicrosecond);

void BM_Score(benchmark::State &state)
{
    const ContestLog log = makeLog(kQsos);
    for (auto _ : state)
        benchmark::DoNotOptimize(log.score());
}
BENCHMARK(BM_Score)->Unit(benchmark::kMicrosecond);

void BM_AddQsos(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(makeLog(kQsos).qsos().size());
}
BENCHMARK(BM_AddQsos)->Unit(benchmark::kMillisecond);

void BM_Cabrillo(benchmark::State &state)
{
    const ContestLog log = makeLog(kQsos);
    ContestSettings settings;
    settings.contest = QStringLiteral("CQ-WW-CW");
    settings.myCall = QStringLiteral("DL1ABC");
    for (auto _ : state)
        benchmark::DoNotOptimize(cabrillo::write(log, settings).toUtf8());
}
BENCHMARK(BM_Cabrillo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
