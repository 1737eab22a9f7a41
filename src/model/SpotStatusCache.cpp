#include "model/SpotStatusCache.h"

#include "app/Diagnostics.h"
#include "db/Database.h"
#include "model/DxInfo.h"
#include "model/QsoClass.h"
#include "refdata/ModeClasses.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr quint8 workedBit(int modeClass)
{
    return quint8(1u << modeClass);
}

constexpr quint8 confirmedBit(int modeClass)
{
    return quint8(1u << (modeClass + 4));
}

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
    m_dxInfo.clear();
    m_groups60m.clear();
    m_iotaWorked.clear();
    m_iotaConfirmed.clear();
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
    db::Statement select = database.prepare(
        QStringLiteral("select callsign, band, mode, qsl, lotwqsl, dxccadif, iota from logbook"));
    while (select.step()) {
        Row row;
        if (!select.isNull(0))
            row.callsign = select.text(0);
        if (!select.isNull(1))
            row.band = select.text(1);
        row.modeMissing = select.isNull(2);
        row.mode = qsoText(select, 2);
        row.qsl = qsoText(select, 3);
        row.lotwqsl = qsoText(select, 4);
        row.adif = select.int64(5);
        if (!select.isNull(6))
            row.iota = select.text(6);
        add(row);
    }
    select = database.prepare(QStringLiteral("select dxccadif, info from dxlist"));
    while (select.step())
        m_dxInfo.insert(int(std::abs(select.int64(0))), select.text(1));
    select = {};
    database.exec(QStringLiteral("commit"));
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

void SpotStatusCache::add(const Row &row)
{
    const bool stationConfirmed = row.qsl == u"R" || row.qsl == u"X" || row.lotwqsl == u"X";
    if (!row.callsign.isNull() && !row.band.isNull()) {
        const int modeClass = stationModeClass(row.mode, row.modeMissing);
        quint8 flags = workedBit(kEveryMode) | workedBit(modeClass);
        if (stationConfirmed)
            flags |= confirmedBit(kEveryMode) | confirmedBit(modeClass);
        const int band = bandId(row.band, true);
        Bands &bands = m_stations[row.callsign];
        auto it = std::find_if(bands.begin(), bands.end(),
                               [band](const BandFlags &entry) { return entry.band == band; });
        if (it == bands.end())
            bands.append({band, flags});
        else
            it->flags |= flags;
    }
    if (row.band == u"60m" && row.adif != 0) {
        QString &group = m_groups60m[int(row.adif)];
        if (group.isEmpty())
            group = QString::fromLatin1(dxinfo::kEmpty60m);
        const int xMode = refdata::mode2xMode(row.mode);
        const bool paper = row.qsl == u"R" || row.qsl == u"X" || row.qsl == u"G";
        if (xMode >= 1 && xMode <= 3)
            group[xMode - 1] = dxinfo::updatedCell(group.at(xMode - 1), paper, row.lotwqsl == u"X");
    }
    if (!row.iota.isNull()) {
        m_iotaWorked.insert(row.iota);
        if (stationConfirmed)
            m_iotaConfirmed.insert(row.iota);
    }
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
    for (const BandFlags &entry : *found)
        if (entry.band == id)
            return {(entry.flags & workedBit(modeClass)) != 0,
                    (entry.flags & confirmedBit(modeClass)) != 0};
    return {};
}

std::optional<QString> SpotStatusCache::dxInfo(int adif)
{
    if (!ensureBuilt())
        return std::nullopt;
    const auto it = m_dxInfo.constFind(std::abs(adif));
    return it == m_dxInfo.constEnd() ? std::nullopt : std::optional<QString>(*it);
}

QString SpotStatusCache::group60m(int adif)
{
    ensureBuilt();
    return m_groups60m.value(adif, QString::fromLatin1(dxinfo::kEmpty60m));
}

bool SpotStatusCache::iotaWorked(const QString &reference)
{
    return ensureBuilt() && m_iotaWorked.contains(reference);
}

bool SpotStatusCache::iotaConfirmed(const QString &reference)
{
    return ensureBuilt() && m_iotaConfirmed.contains(reference);
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

void SpotStatusCache::addQso(const QsoClass &qso)
{
    if (m_writeDepth == 0 || !m_writeKeeps || !m_built)
        return;
    // As stored: texts are bound as they are, never as NULL.
    add(Row{qso.callsign.isNull() ? QStringLiteral("") : qso.callsign,
            qso.band.isNull() ? QStringLiteral("") : qso.band, qso.mode, false, qso.qsl,
            qso.lotwqsl, qso.storedAdif(), qso.iota.isNull() ? QStringLiteral("") : qso.iota});
}

void SpotStatusCache::setDxInfo(int adif, const QString &info)
{
    if (m_writeDepth == 0 || !m_writeKeeps || !m_built)
        return;
    m_dxInfo.insert(std::abs(adif), info);
}
