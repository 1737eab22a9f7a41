#include "stats/StatisticsTally.h"

#include "db/Database.h"
#include "geo/Locator.h"
#include "stats/StatisticsReader.h"

#include <limits>

namespace stats {
namespace {

// The same expressions as the grouped reading (StatisticsReader.cpp), so that both count a QSO
// under the same texts.
const QString kSelect = QStringLiteral(
    "select id, substr(datetime, 1, 7) || substr(datetime, 12, 2), band, mode, upper(cnt), "
    "dxccadif <> 0 and datetime glob '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] *', "
    "abs(dxccadif), datetime, callsign, dxcc, "
    "case when upper(trim(locator)) glob '[A-R][A-R][0-9][0-9]*' then upper(trim(locator)) end "
    "from logbook");

bool failed(db::Database &database, QString *error)
{
    if (error)
        *error = database.errorMessage();
    return false;
}

bool open(db::Database &database, const QString &path, QString *error)
{
    if (const int rc = database.open(path, db::Database::Mode::ReadOnly); rc != 0) {
        if (error)
            *error = db::Database::describe(rc);
        return false;
    }
    // One read transaction: every QSO as of one moment, even while another program writes.
    return database.exec(QStringLiteral("begin")) || failed(database, error);
}

template <typename Key> void addCounts(const auto &counts, QHash<Key, qint64> &into)
{
    for (qsizetype i = 0; i < counts.keys.size(); ++i)
        if (counts.counts.at(std::size_t(i)) != 0)
            into[counts.keys.at(i)] += counts.counts.at(std::size_t(i));
}

} // namespace

struct StatisticsTally::Read {
    qint64 id = 0;
    QString moment; // "yyyy-MM" and "HH" as stored, joined
    QString band;
    QString mode;
    QString continent;
    int entity = 0;
    QString dateTime;
    QString callsign;
    QString prefix;
    QString locator;

    [[nodiscard]] QsoMoment qsoMoment() const { return {dateTime, callsign, band, mode}; }
};

template <typename Key> int StatisticsTally::Counts<Key>::numberOf(const Key &key)
{
    // QSOs stored one after another often share a band, a mode, an hour: no hashing then.
    if (last >= 0 && keys.at(last) == key)
        return last;
    const auto it = numbers.constFind(key);
    if (it != numbers.constEnd())
        return last = *it;
    const int number = last = int(keys.size());
    numbers.insert(key, number);
    keys.append(key);
    counts.push_back(0);
    return number;
}

bool StatisticsTally::build(const QString &path, QString *error)
{
    *this = StatisticsTally{};
    db::Database database;
    if (!open(database, path, error) || !readRows(database, nullptr, error)) {
        *this = StatisticsTally{};
        return false;
    }
    return true;
}

bool StatisticsTally::update(const QString &path, const QSet<qint64> &ids, QString *error)
{
    if (ids.isEmpty())
        return true;
    db::Database database;
    return open(database, path, error) && readRows(database, &ids, error);
}

bool StatisticsTally::readRows(db::Database &database, const QSet<qint64> *ids, QString *error)
{
    db::Statement select =
        database.prepare(ids ? kSelect + QStringLiteral(" where id = ?") : kSelect);
    if (!select.isValid())
        return failed(database, error);
    QHash<qint64, Read> justRead;
    QSet<int> touched;
    const auto take = [&] {
        Read read;
        read.id = select.int64(0);
        read.moment = select.text(1);
        read.band = select.text(2);
        read.mode = select.text(3);
        read.continent = select.text(4);
        if (select.int64(5) != 0) {
            read.entity = int(select.int64(6));
            read.dateTime = select.text(7);
        }
        read.locator = select.text(10);
        put(read);
        return read;
    };
    const auto readDetails = [&select](Read &read) {
        read.callsign = select.text(8);
        read.prefix = select.text(9);
    };
    if (!ids) {
        db::Statement count = database.prepare(QStringLiteral("select count(*) from logbook"));
        if (count.step())
            m_rows.reserve(count.int64(0));
        while (select.step()) {
            Read read = take();
            if (read.entity == 0)
                continue;
            // Only the QSO just counted can have become its entity's first or last; only then
            // is the rest of it read.
            Entity &entity = m_entities[read.entity];
            const auto first = entity.qsos.begin();
            const auto last = entity.qsos.lower_bound(
                {std::prev(entity.qsos.end())->first, std::numeric_limits<qint64>::min()});
            if (first->second == read.id || last->second == read.id)
                readDetails(read);
            if (first->second == read.id) {
                entity.firstId = read.id;
                entity.first = read.qsoMoment();
            }
            if (last->second == read.id) {
                entity.lastId = read.id;
                entity.last = read.qsoMoment();
                entity.prefix = read.prefix;
            }
        }
        return !select.failed() || failed(database, error);
    }
    for (const qint64 id : *ids) {
        if (const auto row = m_rows.constFind(id); row != m_rows.constEnd()) {
            if (row->entity != 0)
                touched.insert(row->entity);
            remove(id);
        }
        select.reset();
        select.bind(1, id);
        if (select.step()) {
            Read read = take();
            readDetails(read);
            if (read.entity != 0) {
                touched.insert(read.entity);
                justRead.insert(id, read);
            }
        }
        if (select.failed())
            return failed(database, error);
    }
    for (const int entity : touched)
        if (!settle(database, entity, justRead, error))
            return false;
    return true;
}

void StatisticsTally::put(const Read &read)
{
    // A QSO read again without being counted out first is counted once.
    remove(read.id);
    Row row;
    row.moment = m_moments.numberOf(read.moment);
    row.band = m_bands.numberOf(read.band);
    row.mode = m_modes.numberOf(read.mode);
    row.continent = m_continents.numberOf(read.continent);
    ++m_moments.counts[std::size_t(row.moment)];
    ++m_bands.counts[std::size_t(row.band)];
    ++m_modes.counts[std::size_t(row.mode)];
    ++m_continents.counts[std::size_t(row.continent)];
    if (!read.locator.isEmpty()) {
        auto number = m_locatorNumbers.constFind(read.locator);
        if (number == m_locatorNumbers.constEnd()) {
            Locator locator;
            locator.square = read.locator.left(4);
            if (geo::locatorIsValid(read.locator))
                locator.point = geo::getCLLocationFromLocator(read.locator);
            m_locators.push_back(locator);
            number = m_locatorNumbers.insert(read.locator, int(m_locators.size() - 1));
        }
        row.locator = *number;
        Locator &locator = m_locators[std::size_t(row.locator)];
        if (locator.qsos++ == 0)
            ++m_squares[locator.square];
    }
    if (read.entity != 0) {
        row.entity = read.entity;
        row.dateTime = read.dateTime;
        // Mostly stored in time order: after the last is the place to look first.
        std::set<EntityKey> &qsos = m_entities[read.entity].qsos;
        qsos.insert(qsos.end(), {read.dateTime, read.id});
    }
    m_rows.insert(read.id, row);
}

void StatisticsTally::remove(qint64 id)
{
    const auto it = m_rows.constFind(id);
    if (it == m_rows.constEnd())
        return;
    const Row &row = *it;
    --m_moments.counts[std::size_t(row.moment)];
    --m_bands.counts[std::size_t(row.band)];
    --m_modes.counts[std::size_t(row.mode)];
    --m_continents.counts[std::size_t(row.continent)];
    if (row.locator >= 0) {
        Locator &locator = m_locators[std::size_t(row.locator)];
        if (--locator.qsos == 0 && --m_squares[locator.square] == 0)
            m_squares.remove(locator.square);
    }
    if (row.entity != 0)
        m_entities[row.entity].qsos.erase({row.dateTime, id});
    m_rows.erase(it);
}

bool StatisticsTally::settle(db::Database &database, int number,
                             const QHash<qint64, Read> &justRead, QString *error)
{
    const auto found = m_entities.find(number);
    if (found == m_entities.end())
        return true;
    Entity &entity = found->second;
    if (entity.qsos.empty()) {
        m_entities.erase(found);
        return true;
    }
    // Of QSOs at the same second, the one stored first is both the first and the last, as the
    // grouped reading has it.
    const qint64 firstId = entity.qsos.begin()->second;
    const qint64 lastId =
        entity.qsos
            .lower_bound({std::prev(entity.qsos.end())->first, std::numeric_limits<qint64>::min()})
            ->second;
    // A QSO that was there before but is first or last only now (its neighbour went) is read for
    // what the list shows of it.
    db::Statement details;
    const auto readOf = [&](qint64 id) -> std::optional<Read> {
        if (const auto it = justRead.constFind(id); it != justRead.constEnd())
            return *it;
        if (!details.isValid())
            details = database.prepare(
                QStringLiteral("select datetime, callsign, band, mode, dxcc from logbook "
                               "where id = ?"));
        details.reset();
        details.bind(1, id);
        if (!details.step())
            return std::nullopt;
        Read read;
        read.dateTime = details.text(0);
        read.callsign = details.text(1);
        read.band = details.text(2);
        read.mode = details.text(3);
        read.prefix = details.text(4);
        return read;
    };
    // A QSO read again may have been edited in place.
    if (firstId != entity.firstId || justRead.contains(firstId)) {
        const std::optional<Read> read = readOf(firstId);
        if (!read)
            return failed(database, error);
        entity.firstId = firstId;
        entity.first = read->qsoMoment();
    }
    if (lastId != entity.lastId || justRead.contains(lastId)) {
        const std::optional<Read> read = readOf(lastId);
        if (!read)
            return failed(database, error);
        entity.lastId = lastId;
        entity.last = read->qsoMoment();
        entity.prefix = read->prefix;
    }
    return true;
}

QsoStatistics StatisticsTally::statistics() const
{
    QsoCounts counts;
    for (qsizetype i = 0; i < m_moments.keys.size(); ++i)
        if (const qint64 count = m_moments.counts.at(std::size_t(i)); count != 0)
            // The month is 7 characters unless the start time is shorter; then there is no hour.
            counts.moments << QsoCounts::Moment{m_moments.keys.at(i).left(7),
                                                m_moments.keys.at(i).mid(7), count};
    addCounts(m_bands, counts.bands);
    addCounts(m_modes, counts.modes);
    addCounts(m_continents, counts.continents);

    QsoStatistics result;
    result.total = m_rows.size();
    result.bars = barsFromCounts(counts);
    for (const auto &[number, entity] : m_entities)
        result.entities << EntitySpan{number, entity.prefix, qint64(entity.qsos.size()),
                                      entity.first, entity.last};
    result.grids = QStringList(m_squares.keyBegin(), m_squares.keyEnd());
    result.grids.sort();
    for (const Locator &locator : m_locators)
        if (locator.qsos > 0 && locator.point)
            result.endPoints << *locator.point;
    return result;
}

} // namespace stats
