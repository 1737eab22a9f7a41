#include "stats/StatisticsReader.h"

#include "db/Database.h"
#include "geo/Locator.h"
#include "refdata/Bands.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace stats {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2199;
constexpr std::array<const char *, 7> kContinents = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};

/** A "yyyy-MM" month as a month count since year 0, or nothing when it is not one. */
std::optional<int> monthIndex(const QString &month)
{
    if (month.size() != 7 || month.at(4) != u'-')
        return std::nullopt;
    bool yearOk = false;
    bool monthOk = false;
    const int year = month.left(4).toInt(&yearOk);
    const int number = month.mid(5, 2).toInt(&monthOk);
    if (!yearOk || !monthOk || year < kFirstYear || year > kLastYear || number < 1 || number > 12)
        return std::nullopt;
    return year * 12 + number - 1;
}

std::optional<int> hourOf(const QString &text)
{
    bool ok = false;
    const int hour = text.toInt(&ok);
    if (!ok || text.size() != 2 || hour < 0 || hour > 23)
        return std::nullopt;
    return hour;
}

void appendUnknown(QList<Bar> &bars, qint64 unknown)
{
    if (unknown > 0)
        bars << Bar{QString::fromLatin1(kUnknown), unknown};
}

/** Bars for every step from the first to the last key, gaps included. */
QList<Bar> filledBars(const QMap<int, qint64> &counts, int step, qint64 unknown,
                      QString (*label)(int))
{
    QList<Bar> bars;
    if (!counts.isEmpty()) {
        for (int key = counts.firstKey(); key <= counts.lastKey(); key += step)
            bars << Bar{label(key), counts.value(key)};
    }
    appendUnknown(bars, unknown);
    return bars;
}

QString yearLabel(int year)
{
    return QString::number(year);
}

QString monthLabel(int index)
{
    return QStringLiteral("%1-%2").arg(index / 12).arg(index % 12 + 1, 2, 10, QChar(u'0'));
}

QList<Bar> bandBars(const QHash<QString, qint64> &counts)
{
    QList<Bar> bars;
    qint64 unknown = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (refdata::band2xBand(it.key()) == 0)
            unknown += it.value();
        else
            bars << Bar{it.key(), it.value()};
    }
    std::sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) {
        return refdata::mBand2qrg(a.label) < refdata::mBand2qrg(b.label);
    });
    appendUnknown(bars, unknown);
    return bars;
}

QList<Bar> modeBars(const QHash<QString, qint64> &counts)
{
    QList<Bar> bars;
    qint64 unknown = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it.key().trimmed().isEmpty())
            unknown += it.value();
        else
            bars << Bar{it.key(), it.value()};
    }
    std::sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) {
        return a.count != b.count ? a.count > b.count : a.label < b.label;
    });
    appendUnknown(bars, unknown);
    return bars;
}

QList<Bar> continentBars(const QHash<QString, qint64> &counts)
{
    QList<Bar> bars;
    qint64 known = 0;
    qint64 all = 0;
    for (const char *name : kContinents) {
        const qint64 count = counts.value(QString::fromLatin1(name));
        bars << Bar{QString::fromLatin1(name), count};
        known += count;
    }
    for (const qint64 count : counts)
        all += count;
    appendUnknown(bars, all - known);
    return bars;
}

QsoMoment momentOf(const db::Statement &row)
{
    return {row.text(1), row.text(2), row.text(3), row.text(4)};
}

bool failed(db::Database &database, QString *error)
{
    if (error)
        *error = database.errorMessage();
    return false;
}

bool readCounts(db::Database &database, const QString &statement, QHash<QString, qint64> &counts,
                QString *error)
{
    db::Statement select = database.prepare(statement);
    while (select.step())
        counts[select.text(0)] += select.int64(1);
    return !select.isValid() || select.failed() ? failed(database, error) : true;
}

bool readCounts(db::Database &database, QsoCounts &counts, QString *error)
{
    db::Statement select = database.prepare(
        QStringLiteral("select substr(datetime, 1, 7), substr(datetime, 12, 2), count(*) "
                       "from logbook group by 1, 2"));
    while (select.step())
        counts.moments << QsoCounts::Moment{select.text(0), select.text(1), select.int64(2)};
    if (!select.isValid() || select.failed())
        return failed(database, error);
    return readCounts(database, QStringLiteral("select band, count(*) from logbook group by 1"),
                      counts.bands, error) &&
           readCounts(database, QStringLiteral("select mode, count(*) from logbook group by 1"),
                      counts.modes, error) &&
           readCounts(database,
                      QStringLiteral("select upper(cnt), count(*) from logbook group by 1"),
                      counts.continents, error);
}

/** The counts with their keys trimmed, so " 20m" and "20m" are one bar. */
QHash<QString, qint64> trimmed(const QHash<QString, qint64> &counts)
{
    QHash<QString, qint64> result;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        result[it.key().trimmed()] += it.value();
    return result;
}

// SQLite takes the other columns of a group with one min() or max() from the row that has that
// value: the first (or last) QSO itself.
const QString kFirstPerEntity = QStringLiteral(
    "select abs(dxccadif), min(datetime), callsign, band, mode, count(*), dxcc from logbook "
    "where dxccadif <> 0 and datetime glob '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] *' "
    "group by 1");
const QString kLastPerEntity = QStringLiteral(
    "select abs(dxccadif), max(datetime), callsign, band, mode, count(*), dxcc from logbook "
    "where dxccadif <> 0 and datetime glob '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] *' "
    "group by 1");

/** The distinct locators, for the grid squares they lie in and the positions they name. */
bool readLocators(db::Database &database, QsoStatistics &result, QString *error)
{
    db::Statement select =
        database.prepare(QStringLiteral("select distinct upper(trim(locator)) from logbook "
                                        "where upper(trim(locator)) glob '[A-R][A-R][0-9][0-9]*'"));
    QSet<QString> grids;
    while (select.step()) {
        const QString locator = select.text(0);
        grids.insert(locator.left(4));
        if (geo::locatorIsValid(locator))
            result.endPoints << geo::getCLLocationFromLocator(locator);
    }
    if (!select.isValid() || select.failed())
        return failed(database, error);
    result.grids = QStringList(grids.begin(), grids.end());
    result.grids.sort();
    return true;
}

bool readEntityEnds(db::Database &database, QList<EntitySpan> &entities, QString *error)
{
    QMap<int, EntitySpan> byEntity;
    for (const bool first : {true, false}) {
        db::Statement select = database.prepare(first ? kFirstPerEntity : kLastPerEntity);
        while (select.step()) {
            EntitySpan &span = byEntity[int(select.int64(0))];
            span.adif = int(select.int64(0));
            span.qsos = select.int64(5);
            if (!first || span.prefix.isEmpty())
                span.prefix = select.text(6);
            (first ? span.first : span.last) = momentOf(select);
        }
        if (!select.isValid() || select.failed())
            return failed(database, error);
    }
    entities = byEntity.values();
    return true;
}

} // namespace

std::array<QList<Bar>, kKindCount> barsFromCounts(const QsoCounts &counts)
{
    QMap<int, qint64> years;
    QMap<int, qint64> months;
    std::array<qint64, 24> hours{};
    qint64 unknownTime = 0;
    qint64 unknownHour = 0;
    for (const QsoCounts::Moment &moment : counts.moments) {
        const std::optional<int> month = monthIndex(moment.month);
        if (month) {
            months[*month] += moment.count;
            years[*month / 12] += moment.count;
        } else {
            unknownTime += moment.count;
        }
        if (const std::optional<int> hour = hourOf(moment.hour); hour && month)
            hours.at(std::size_t(*hour)) += moment.count;
        else
            unknownHour += moment.count;
    }
    std::array<QList<Bar>, kKindCount> bars;
    bars.at(int(Kind::Year)) = filledBars(years, 1, unknownTime, yearLabel);
    bars.at(int(Kind::Month)) = filledBars(months, 1, unknownTime, monthLabel);
    bars.at(int(Kind::Band)) = bandBars(trimmed(counts.bands));
    bars.at(int(Kind::Mode)) = modeBars(trimmed(counts.modes));
    bars.at(int(Kind::Continent)) = continentBars(trimmed(counts.continents));
    QList<Bar> &hourBars = bars.at(int(Kind::Hour));
    for (int hour = 0; hour < 24; ++hour)
        hourBars << Bar{QStringLiteral("%1").arg(hour, 2, 10, QChar(u'0')),
                        hours.at(std::size_t(hour))};
    appendUnknown(hourBars, unknownHour);
    return bars;
}

std::optional<QsoStatistics> readStatistics(const QString &logbookPath, QString *error)
{
    db::Database database;
    if (const int rc = database.open(logbookPath, db::Database::Mode::ReadOnly); rc != 0) {
        if (error)
            *error = db::Database::describe(rc);
        return std::nullopt;
    }
    // One read transaction: the passes see the same logbook even while another program writes.
    if (!database.exec(QStringLiteral("begin"))) {
        if (error)
            *error = database.errorMessage();
        return std::nullopt;
    }
    QsoCounts counts;
    QsoStatistics result;
    if (!readCounts(database, counts, error) || !readEntityEnds(database, result.entities, error) ||
        !readLocators(database, result, error))
        return std::nullopt;
    for (const QsoCounts::Moment &moment : counts.moments)
        result.total += moment.count;
    result.bars = barsFromCounts(counts);
    return result;
}

} // namespace stats
