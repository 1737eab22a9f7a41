// A LoTW report of 100 000 QSLs applied to the shared 300 000-QSO logbook (see BenchLogbook.h):
// reading the report, matching every QSL on the time index, marking, correcting and crediting,
// the DX info refresh and the commit, as one download does it off the window's thread.

#include "BenchLogbook.h"

#include "model/LogModel.h"
#include "model/QslSession.h"
#include "root/AppDelegate.h"
#include "services/LotwApply.h"
#include "services/LotwReport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kQsls = 100000;

QByteArray field(const char *name, const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    return '<' + QByteArray(name) + ':' + QByteArray::number(bytes.size()) + '>' + bytes + '\n';
}

/** Every third QSO of the logbook as a confirmation with details, as LoTW sends them: the
 *  entity, zones and a grid square, a share of them with a call that is not in the log. */
QByteArray reportOf(const QList<QsoClass> &qsos)
{
    QByteArray records;
    int count = 0;
    for (qsizetype i = 0; i < qsos.size() && count < kQsls; i += 3, ++count) {
        const QsoClass &qso = qsos.at(i);
        const QString call = count % 50 == 0 ? qso.callsign + QStringLiteral("X") : qso.callsign;
        records += field("CALL", call) + field("BAND", qso.band.toUpper()) +
                   field("MODE", qso.mode) +
                   field("QSO_DATE", qso.dateTime.toString(QStringLiteral("yyyyMMdd"))) +
                   field("TIME_ON", qso.dateTime.toString(QStringLiteral("HHmmss"))) +
                   field("QSL_RCVD", QStringLiteral("Y")) +
                   field("DXCC", QString::number(std::abs(qso.adif))) + field("CQZ", qso.cq) +
                   field("ITUZ", qso.itu) +
                   field("GRIDSQUARE", QStringLiteral("JO%1").arg(count % 90 + 10)) + "<eor>\n";
    }
    return "ARRL Logbook of the World Status Report\n" +
           field("APP_LoTW_LASTQSL", "2025-06-15 12:00:00") +
           field("APP_LoTW_NUMREC", QString::number(count)) + "<eoh>\n" + records +
           "<APP_LoTW_EOF>\n";
}

void applyLotwReport(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    LogModel &log = app->log();
    const QString logbook = log.fullLogDatabasePath();
    const QByteArray report = reportOf(log.getlastQSOs(4));
    const lotw::EntityTable entities = lotw::entityTable(app->dxcc());
    // Every run starts from the logbook as generated.
    QTemporaryDir dir;
    const QString pristine = dir.filePath(QStringLiteral("pristine.rlog"));
    if (!QFile::copy(logbook, pristine)) {
        state.SkipWithError("cannot copy the logbook");
        return;
    }
    qint64 confirmed = 0;
    qint64 parseMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(logbook);
        QFile::copy(pristine, logbook);
        state.ResumeTiming();
        QElapsedTimer parsing;
        parsing.start();
        const lotw::Report parsed = lotw::parseReport(report, QDateTime::currentDateTimeUtc());
        parseMs = parsing.elapsed();
        QslSession session(logbook, formats::DateStyle::Short);
        const lotw::Applied applied = lotw::applyReport(parsed, session, entities, true);
        if (!applied.ok) {
            state.SkipWithError(qPrintable(applied.error));
            return;
        }
        confirmed = applied.received - applied.notInLog;
    }
    QFile::remove(logbook);
    QFile::copy(pristine, logbook);
    state.counters["confirmed"] = double(confirmed);
    state.counters["parse_ms"] = double(parseMs);
}
BENCHMARK(applyLotwReport)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
