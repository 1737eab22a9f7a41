#include "model/SpotStatusCache.h"

#include "app/Diagnostics.h"
#include "db/Database.h"
#include "model/DxInfo.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"

#include <algorithm>
#include <cstdlib>

namespace {

/** The columns the answers depend on, by row id. */
const QString kColumns =
    QStringLiteral("select id, callsign, band, mode, qsl, lotwqsl, dxccadif, iota from logbook");

/** The mode class a stored mode falls in for the station questions, where "PCW" counts as CW;
 *  0 for a missing mode, which only the every-mode question sees. */
int stationModeClass(const QString &mode, bool missing)
{
    if (missing)
        return SpotStatusCache::kEveryMode;
    if (mode == u"CW" || mode == u"PCW")
        return 1;
    if (mode == u"SSB" || mode == u"FM" || mode == u"AM" || mode == u"USB" || mode == u"LSB")
        return 3;
    return 2;
}

/** A text column as a QSO read from the logbook has it: NULL and "(null)" are empty. */
QString qsoText(const db::Statement &row, int column)
{
    if (row.isNull(column))
        return {};
    QString value = row.text(column);
    return value == u"(null)" ? QString() : value;
}

/** A text column with SQL's view of NULL: a null QString. */
QString sqlText(const db::Statement &row, int column)
{
    return row.isNull(column) ? QString() : row.text(column);
}

int cellOf(int xBand, int xMode)
{
    return (xBand - 1) * 3 + xMode - 1;
}

} // namespace

/** The columns of one QSO the answers depend on, with SQL's view of missing values. */
struct SpotStatusCache::Row {
    QString callsign; // null: NULL in the logbook
    QString band;
    QString mode;
    bool modeMissing = false;
    QString qsl;
    QString lotwqsl;
    qint64 adif = 0;
    QString iota;

    /** The row `select` stands on, read with kColumns. */
    static Row of(const db::Statement &select)
    {
        Row row;
        row.callsign = sqlText(select, 1);
        row.band = sqlText(select, 2);
        row.modeMissing = select.isNull(3);
        row.mode = qsoText(select, 3);
        row.qsl = qsoText(select, 4);
        row.lotwqsl = qsoText(select, 5);
        row.adif = select.int64(6);
        row.iota = sqlText(select, 7);
        return row;
    }
};

void SpotStatusCache::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    invalidate();
}

void SpotStatusCache::invalidate()
{
    m_built = false;
    m_stamp.reset();
    m_bandIds.clear();
    m_stations.clear();
    m_slots.clear();
    m_iotaIds.clear();
    m_iotas.clear();
    m_entities.clear();
    m_groups60m.clear();
    m_rows.clear();
    m_maxId = 0;
    m_maxIdKnown = true;
    m_dxInfo.clear();
}

bool SpotStatusCache::ensureBuilt()
{
    if (m_path.isEmpty())
        return false;
    if (m_built && m_writeDepth == 0 &&
        (!m_lastCheck.isValid() || m_lastCheck.elapsed() >= kStampCheckIntervalMs)) {
        m_lastCheck.start();
        if (db::FileStamp::of(m_path) != m_stamp)
            invalidate();
    }
    if (!m_built)
        build();
    return true;
}

void SpotStatusCache::build()
{
    invalidate();
    // The stamp before reading: a write while we read makes the next look build again.
    m_stamp = db::FileStamp::of(m_path);
    m_lastCheck.start();
    m_built = true;
    if (!m_stamp)
        return;
    db::Database database;
    if (database.open(m_path, db::Database::Mode::ReadOnly) != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(database.errorMessage()));
        return;
    }
    // One snapshot for both tables.
    database.exec(QStringLiteral("begin"));
    {
        db::Statement select = database.prepare(kColumns);
        while (select.step())
            put(select.int64(0), Row::of(select));
    }
    readDxList(database);
    database.exec(QStringLiteral("commit"));
}

void SpotStatusCache::readDxList(db::Database &database)
{
    m_dxInfo.clear();
    db::Statement select = database.prepare(QStringLiteral("select dxccadif, info from dxlist"));
    while (select.step())
        m_dxInfo.insert(int(std::abs(select.int64(0))), select.text(1));
}

int SpotStatusCache::bandId(const QString &band, bool create)
{
    const auto it = m_bandIds.constFind(band);
    if (it != m_bandIds.constEnd())
        return *it;
    if (!create)
        return -1;
    const int id = int(m_bandIds.size());
    m_bandIds.insert(band, id);
    return id;
}

SpotStatusCache::Entry SpotStatusCache::entryOf(const Row &row)
{
    Entry entry;
    entry.adif = qint32(row.adif);
    entry.confirmed = row.qsl == u"R" || row.qsl == u"X" || row.lotwqsl == u"X";
    entry.paper = row.qsl == u"R" || row.qsl == u"X" || row.qsl == u"G";
    entry.lotw = row.lotwqsl == u"X";
    entry.modeClass = quint8(stationModeClass(row.mode, row.modeMissing));
    entry.xMode = quint8(refdata::mode2xMode(row.mode));
    const int xBand = refdata::band2xBand(row.band);
    entry.xBand = quint8(xBand >= 1 && xBand <= dxinfo::kTrackedBands ? xBand : 0);
    entry.band60m = row.band == u"60m";
    if (!row.callsign.isNull() && !row.band.isNull()) {
        const int band = bandId(row.band, true);
        Bands &bands = m_stations[row.callsign];
        const auto it = std::find_if(bands.cbegin(), bands.cend(),
                                     [band](const BandSlot &slot) { return slot.band == band; });
        if (it != bands.cend()) {
            entry.slot = it->slot;
        } else {
            entry.slot = int(m_slots.size());
            m_slots.emplace_back();
            bands.append({band, entry.slot});
        }
    }
    if (!row.iota.isNull()) {
        const auto it = m_iotaIds.constFind(row.iota);
        if (it != m_iotaIds.constEnd()) {
            entry.iota = *it;
        } else {
            entry.iota = int(m_iotas.size());
            m_iotas.emplace_back();
            m_iotaIds.insert(row.iota, entry.iota);
        }
    }
    return entry;
}

void SpotStatusCache::count(const Entry &entry, int step)
{
    const auto bump = [step](quint32 &counter, bool when) {
        if (when)
            counter = quint32(qint64(counter) + step);
    };
    if (entry.slot >= 0) {
        SlotCounts &slot = m_slots[size_t(entry.slot)];
        bump(slot.worked[kEveryMode], true);
        bump(slot.confirmed[kEveryMode], entry.confirmed);
        if (entry.modeClass != kEveryMode) {
            bump(slot.worked[entry.modeClass], true);
            bump(slot.confirmed[entry.modeClass], entry.confirmed);
        }
    }
    if (entry.iota >= 0) {
        IotaCounts &iota = m_iotas[size_t(entry.iota)];
        bump(iota.worked, true);
        bump(iota.confirmed, entry.confirmed);
    }
    const auto cell = [&](Cell &target) {
        bump(target.worked, true);
        bump(target.paper, entry.paper);
        bump(target.lotw, entry.lotw);
    };
    if (entry.adif != 0) {
        Entity &entity = m_entities[std::abs(entry.adif)];
        bump(entity.qsos, true);
        if (entry.xBand != 0)
            cell(entity.cells[size_t(cellOf(entry.xBand, entry.xMode))]);
        if (entry.band60m)
            cell(m_groups60m[entry.adif][entry.xMode - 1]);
    }
}

void SpotStatusCache::put(qint64 id, const Row &row)
{
    remove(id);
    const Entry entry = entryOf(row);
    count(entry, 1);
    m_rows.insert(id, entry);
    if (m_maxIdKnown)
        m_maxId = std::max(m_maxId, id);
}

void SpotStatusCache::remove(qint64 id)
{
    const auto it = m_rows.constFind(id);
    if (it == m_rows.constEnd())
        return;
    count(*it, -1);
    m_rows.erase(it);
    // A new row takes the largest id there is plus one: rowsAdded() looks above the largest
    // kept, worked out again when it asks.
    if (id == m_maxId)
        m_maxIdKnown = false;
}

bool SpotStatusCache::open(db::Database &database)
{
    if (database.open(m_path, db::Database::Mode::ReadOnly) == 0)
        return true;
    diag(QStringLiteral("Failed to open logbook database: %1").arg(database.errorMessage()));
    invalidate();
    return false;
}

bool SpotStatusCache::reread(db::Database &database, const QSet<qint64> &ids)
{
    db::Statement select = database.prepare(kColumns + QStringLiteral(" where id=?"));
    for (const qint64 id : ids) {
        select.reset();
        select.bind(1, id);
        if (select.step()) {
            put(id, Row::of(select));
        } else if (select.failed()) {
            invalidate();
            return false;
        } else {
            remove(id);
        }
    }
    return true;
}

bool SpotStatusCache::canApply() const
{
    return m_writeDepth > 0 && m_writeKeeps && m_built;
}

WorkedStore::StationAnswer SpotStatusCache::station(const QString &callsign, const QString &band,
                                                    int xMode)
{
    if (!ensureBuilt())
        return {};
    const auto found = m_stations.constFind(callsign);
    const int id = bandId(band, false);
    if (found == m_stations.constEnd() || id < 0)
        return {};
    const int modeClass = xMode >= 1 && xMode <= 3 ? xMode : kEveryMode;
    for (const BandSlot &entry : *found)
        if (entry.band == id) {
            const SlotCounts &slot = m_slots[size_t(entry.slot)];
            return {slot.worked[size_t(modeClass)] > 0, slot.confirmed[size_t(modeClass)] > 0};
        }
    return {};
}

std::optional<QString> SpotStatusCache::dxInfo(int adif)
{
    if (!ensureBuilt())
        return std::nullopt;
    const auto it = m_dxInfo.constFind(std::abs(adif));
    return it == m_dxInfo.constEnd() ? std::nullopt : std::optional<QString>(*it);
}

QChar SpotStatusCache::cellLetter(const Cell &cell, QChar empty)
{
    if (cell.worked == 0)
        return empty;
    if (cell.paper > 0 && cell.lotw > 0)
        return u'X';
    if (cell.paper > 0)
        return u'P';
    return cell.lotw > 0 ? u'L' : u'W';
}

QString SpotStatusCache::group60m(int adif)
{
    QString group = QString::fromLatin1(dxinfo::kEmpty60m);
    ensureBuilt();
    const auto it = m_groups60m.constFind(adif);
    if (it != m_groups60m.constEnd())
        for (int mode = 0; mode < 3; ++mode)
            group[mode] = cellLetter((*it)[size_t(mode)], group.at(mode));
    return group;
}

bool SpotStatusCache::iotaWorked(const QString &reference)
{
    if (!ensureBuilt())
        return false;
    const int id = m_iotaIds.value(reference, -1);
    return id >= 0 && m_iotas[size_t(id)].worked > 0;
}

bool SpotStatusCache::iotaConfirmed(const QString &reference)
{
    if (!ensureBuilt())
        return false;
    const int id = m_iotaIds.value(reference, -1);
    return id >= 0 && m_iotas[size_t(id)].confirmed > 0;
}

std::optional<QString> SpotStatusCache::dxInfoFromQsos(int adif)
{
    if (!canApply() || adif == 0)
        return std::nullopt;
    const auto it = m_entities.constFind(std::abs(adif));
    if (it == m_entities.constEnd() || it->qsos == 0)
        return QString();
    QString info = QString::fromLatin1(dxinfo::kEmpty);
    for (int xBand = 1; xBand <= dxinfo::kTrackedBands; ++xBand)
        for (int xMode = 1; xMode <= 3; ++xMode) {
            QChar &letter = info[dxinfo::cellIndex(xBand, xMode)];
            letter = cellLetter(it->cells[size_t(cellOf(xBand, xMode))], letter);
        }
    return info;
}

void SpotStatusCache::beginWrite()
{
    if (m_writeDepth++ > 0)
        return;
    // Only a cache that still matches the file can be carried across the write.
    m_writeKeeps = m_built && !m_path.isEmpty() && db::FileStamp::of(m_path) == m_stamp;
}

void SpotStatusCache::endWrite()
{
    if (m_writeDepth == 0 || --m_writeDepth > 0)
        return;
    if (m_writeKeeps && m_built) {
        m_stamp = db::FileStamp::of(m_path);
        m_lastCheck.start();
    } else {
        invalidate();
    }
}

void SpotStatusCache::rowsWritten(const QSet<qint64> &ids)
{
    if (!canApply())
        return;
    db::Database database;
    if (!open(database) || !reread(database, ids))
        m_writeKeeps = false;
}

void SpotStatusCache::rowsAdded()
{
    if (!canApply())
        return;
    db::Database database;
    if (!open(database)) {
        m_writeKeeps = false;
        return;
    }
    if (!m_maxIdKnown) {
        m_maxId = 0;
        for (auto row = m_rows.keyBegin(); row != m_rows.keyEnd(); ++row)
            m_maxId = std::max(m_maxId, *row);
        m_maxIdKnown = true;
    }
    db::Statement select = database.prepare(kColumns + QStringLiteral(" where id>?"));
    select.bind(1, m_maxId);
    while (select.step())
        put(select.int64(0), Row::of(select));
    if (select.failed()) {
        invalidate();
        m_writeKeeps = false;
    }
}

void SpotStatusCache::setDxInfo(int adif, const QString &info)
{
    if (canApply())
        m_dxInfo.insert(std::abs(adif), info);
}

void SpotStatusCache::takeChange(const QsoChange &change)
{
    if (!m_built || m_writeDepth > 0 || m_path.isEmpty())
        return;
    if (change.many || change.ids.size() > std::max<qsizetype>(64, m_rows.size() / kRereadShare)) {
        invalidate();
        return;
    }
    // The stamp before reading, as in build(); one snapshot for both tables.
    const std::optional<db::FileStamp> stamp = db::FileStamp::of(m_path);
    db::Database database;
    if (!open(database))
        return;
    database.exec(QStringLiteral("begin"));
    if (!reread(database, change.ids))
        return;
    readDxList(database);
    database.exec(QStringLiteral("commit"));
    m_stamp = stamp;
    m_lastCheck.start();
}
