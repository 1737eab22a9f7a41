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

bool readGroups(db::Database &database, QList<QsoGroup> &groups, QString *error)
{
    db::Statement select = database.prepare(QStringLiteral(
        "select substr(datetime, 1, 7), substr(datetime, 12, 2), band, mode, upper(cnt), "
        "count(*) from logbook group by 1, 2, 3, 4, 5"));
    while (select.step())
        groups << QsoGroup{select.text(0), select.text(1), select.text(2),
                           select.text(3), select.text(4), select.int64(5)};
    return !select.isValid() || select.failed() ? failed(database, error) : true;
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

std::array<QList<Bar>, kKindCount> barsFromGroups(const QList<QsoGroup> &groups)
{
    QMap<int, qint64> years;
    QMap<int, qint64> months;
    std::array<qint64, 24> hours{};
    qint64 unknownTime = 0;
    qint64 unknownHour = 0;
    QHash<QString, qint64> bands;
    QHash<QString, qint64> modes;
    QHash<QString, qint64> continents;
    for (const QsoGroup &group : groups) {
        if (const std::optional<int> month = monthIndex(group.month)) {
            months[*month] += group.count;
            years[*month / 12] += group.count;
        } else {
            unknownTime += group.count;
        }
        if (const std::optional<int> hour = hourOf(group.hour); hour && monthIndex(group.month))
            hours.at(std::size_t(*hour)) += group.count;
        else
            unknownHour += group.count;
        bands[group.band.trimmed()] += group.count;
        modes[group.mode.trimmed()] += group.count;
        continents[group.continent.trimmed()] += group.count;
    }
    std::array<QList<Bar>, kKindCount> bars;
    bars.at(int(Kind::Year)) = filledBars(years, 1, unknownTime, yearLabel);
    bars.at(int(Kind::Month)) = filledBars(months, 1, unknownTime, monthLabel);
    bars.at(int(Kind::Band)) = bandBars(bands);
    bars.at(int(Kind::Mode)) = modeBars(modes);
    bars.at(int(Kind::Continent)) = continentBars(continents);
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
    QList<QsoGroup> groups;
    QsoStatistics result;
    if (!readGroups(database, groups, error) || !readEntityEnds(database, result.entities, error) ||
        !readLocators(database, result, error))
        return std::nullopt;
    for (const QsoGroup &group : groups)
        result.total += group.count;
    result.bars = barsFromGroups(groups);
    return result;
}

} // namespace stats
