// ADIF export and import of 100 000 QSOs taken from the shared 300 000-QSO logbook (see
// BenchLogbook.h). In the imported file 30 % of the records carry no entity number, so the
// import resolves those calls itself, as it would for files of many other programs.
//
// Each benchmark also measures its floor in the same iteration, with its own time kept out of the
// benchmark's: for the import, plain SQLite storing the same rows with prepared statements into a
// new logbook (the template with its indexes) in one transaction; for the export, plain SQLite
// writing the same rows as CSV, as `sqlite3 -csv` does. The counters "floor_ms" (per iteration)
// and "ratio" (benchmark time over floor time) hold the comparison; with
// --benchmark_repetitions=5 --benchmark_report_aggregates_only=true their medians are printed
// beside the time's.

#include "BenchLogbook.h"

#include "adif/AdifExport.h"
#include "adif/AdifImport.h"
#include "adif/AdifText.h"
#include "adif/DxccEntityLookup.h"
#include "db/SafeWrite.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRecords = 100000;

QList<QsoClass> sample(LogModel &log)
{
    QList<QsoClass> qsos = log.getlastQSOs(4); // newest first
    qsos.resize(qMin<qsizetype>(qsos.size(), kRecords));
    std::reverse(qsos.begin(), qsos.end());
    return qsos;
}

/** The export of the sample, every third record without its "dxcc" field, as a file. */
const QString &importFile(LogModel &log)
{
    static QTemporaryDir folder;
    static QString path;
    if (!path.isEmpty())
        return path;
    static const QRegularExpression dxcc(QStringLiteral("<dxcc:\\d+>\\d+ "));
    QString text = adif::exportHeader();
    int n = 0;
    for (const QsoClass &qso : sample(log)) {
        QString record = log.makeAdifRecord(qso);
        if (n++ % 10 < 3)
            record.remove(dxcc);
        text += record;
    }
    path = folder.filePath(QStringLiteral("sample.adi"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        path.clear();
    return path;
}

/** A new, empty logbook from the template, with every index, in a folder of its own. */
struct EmptyLogbook {
    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> app;

    EmptyLogbook() : app(std::make_unique<AppDelegate>(DataFolder::at(folder.path()))) {}
    LogModel &log() { return app->log(); }
    QString path() { return log().fullLogDatabasePath(); }
};

/** A table's rows as SQLite holds them. */
struct Rows {
    using Value = std::variant<std::monostate, sqlite3_int64, double, std::string>;
    std::string insert;
    int columns = 0;
    std::vector<Value> values; // row after row
};

Rows readRows(sqlite3 *db, const char *table)
{
    Rows rows;
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, (std::string("select * from ") + table).c_str(), -1, &select, nullptr);
    rows.columns = sqlite3_column_count(select);
    rows.insert = std::string("insert into ") + table + " values (?";
    for (int i = 1; i < rows.columns; ++i)
        rows.insert += ",?";
    rows.insert += ")";
    while (sqlite3_step(select) == SQLITE_ROW) {
        for (int i = 0; i < rows.columns; ++i) {
            switch (sqlite3_column_type(select, i)) {
            case SQLITE_INTEGER:
                rows.values.emplace_back(sqlite3_column_int64(select, i));
                break;
            case SQLITE_FLOAT:
                rows.values.emplace_back(sqlite3_column_double(select, i));
                break;
            case SQLITE_NULL:
                rows.values.emplace_back(std::monostate());
                break;
            default:
                rows.values.emplace_back(
                    std::string(reinterpret_cast<const char *>(sqlite3_column_text(select, i)),
                                size_t(sqlite3_column_bytes(select, i))));
            }
        }
    }
    sqlite3_finalize(select);
    return rows;
}

void insertRows(sqlite3 *db, const Rows &rows)
{
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, rows.insert.c_str(), -1, &insert, nullptr);
    for (size_t at = 0; at < rows.values.size(); at += size_t(rows.columns)) {
        for (int i = 0; i < rows.columns; ++i) {
            const Rows::Value &value = rows.values[at + size_t(i)];
            if (const auto *number = std::get_if<sqlite3_int64>(&value))
                sqlite3_bind_int64(insert, i + 1, *number);
            else if (const auto *real = std::get_if<double>(&value))
                sqlite3_bind_double(insert, i + 1, *real);
            else if (const auto *text = std::get_if<std::string>(&value))
                sqlite3_bind_text(insert, i + 1, text->data(), int(text->size()), SQLITE_STATIC);
            else
                sqlite3_bind_null(insert, i + 1);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

/** The rows an import stored: its logbook's QSOs and kept fields. */
struct Stored {
    Rows logbook;
    Rows fields;
};

Stored storedRows(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Stored stored{readRows(db, "logbook"), readRows(db, "qso_fields")};
    sqlite3_close(db);
    return stored;
}

/** The floor of the import: the stored rows written into an empty logbook in one transaction
 *  with plain prepared statements; seconds. */
double storeFloor(const Stored &stored)
{
    EmptyLogbook target;
    const QByteArray path = QFile::encodeName(target.path());
    QElapsedTimer timer;
    timer.start();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr);
    insertRows(db, stored.logbook);
    insertRows(db, stored.fields);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return double(timer.nsecsElapsed()) / 1e9;
}

void setRatio(benchmark::State &state, double floorSeconds)
{
    const double iterations = double(state.iterations());
    state.counters["floor_ms"] = floorSeconds * 1000.0 / iterations;
    // A rate inverted: the benchmark's own time over the floor's.
    state.counters["ratio"] =
        benchmark::Counter(floorSeconds, benchmark::Counter::Flags(benchmark::Counter::kIsRate |
                                                                   benchmark::Counter::kInvert));
}

/** What `brindlewick-cli import FILE` does: the file read, cut into records, each read and its
 *  entity resolved, all stored with the DX info of their entities. */
void importQsos(benchmark::State &state)
{
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return;
    const QString path = importFile(app->log());
    if (path.isEmpty()) {
        state.SkipWithError("the sample file could not be written");
        return;
    }
    std::optional<Stored> stored;
    double floorSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<EmptyLogbook>();
        DxccEntityLookup entities(target->app->dxcc());
        state.ResumeTiming();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("the sample file could not be read");
        AdifImport import(target->app->defaults(), target->log(), entities);
        const AdifImport::Result result = import.run(adif::prepareAdif(file.readAll()));
        state.PauseTiming();
        if (result.imported != kRecords)
            state.SkipWithError("not every record was imported");
        if (!stored)
            stored = storedRows(target->path());
        target.reset();
        floorSeconds += storeFloor(*stored);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    setRatio(state, floorSeconds);
}
BENCHMARK(importQsos)->Unit(benchmark::kMillisecond)->UseRealTime();

/** A logbook holding the 100 000 imported QSOs, made once. */
EmptyLogbook *exportLogbook(benchmark::State &state)
{
    static std::unique_ptr<EmptyLogbook> logbook;
    if (logbook)
        return logbook.get();
    AppDelegate *app = bench::benchApp(state);
    if (!app)
        return nullptr;
    QFile file(importFile(app->log()));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the sample file could not be read");
        return nullptr;
    }
    logbook = std::make_unique<EmptyLogbook>();
    DxccEntityLookup entities(logbook->app->dxcc());
    AdifImport import(logbook->app->defaults(), logbook->log(), entities);
    import.run(adif::prepareAdif(file.readAll()));
    return logbook.get();
}

void appendCsv(std::string &out, const unsigned char *text, int size)
{
    const std::string_view value(reinterpret_cast<const char *>(text), size_t(size));
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

/** The floor of the export: every row written as CSV to a file by plain SQLite; seconds. */
double csvFloor(const QString &logbook, const QString &output)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(logbook).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "select * from logbook", -1, &select, nullptr);
    const int columns = sqlite3_column_count(select);
    std::FILE *out = std::fopen(QFile::encodeName(output).constData(), "wb");
    std::string line;
    while (sqlite3_step(select) == SQLITE_ROW) {
        line.clear();
        for (int i = 0; i < columns; ++i) {
            if (i > 0)
                line += ',';
            if (sqlite3_column_type(select, i) != SQLITE_NULL)
                appendCsv(line, sqlite3_column_text(select, i), sqlite3_column_bytes(select, i));
        }
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), out);
    }
    std::fclose(out);
    sqlite3_finalize(select);
    sqlite3_close(db);
    return double(timer.nsecsElapsed()) / 1e9;
}

/** What `brindlewick-cli export --all -o FILE` does on a logbook of 100 000 QSOs. */
void exportQsos(benchmark::State &state)
{
    EmptyLogbook *logbook = exportLogbook(state);
    if (!logbook)
        return;
    LogModel &log = logbook->log();
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("export.adi"));
    double floorSeconds = 0;
    for (auto _ : state) {
        if (log.logbookProblem(true))
            state.SkipWithError("the logbook does not read");
        adif::ExportOutcome outcome;
        const bool written = safewrite::writeFileWith(output, [&](QIODevice &out) {
            outcome = adif::exportRange(log, LogListQuery::All, out);
            return outcome.ok() ? std::nullopt : std::optional(outcome.writeError);
        });
        if (!written || !outcome.ok())
            state.SkipWithError("the export could not be written");
        if (outcome.records != kRecords)
            state.SkipWithError("not every QSO was exported");
        state.PauseTiming();
        floorSeconds += csvFloor(logbook->path(), folder.filePath(QStringLiteral("floor.csv")));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    setRatio(state, floorSeconds);
}
BENCHMARK(exportQsos)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    return bench::runBenchmarks(argc, argv);
}
