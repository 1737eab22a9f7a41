#include "refdata/CachedDxccSource.h"

namespace {

using db::FileStamp;

/** Takes the copy of the version now on disk when the file may have changed since the last look.
 *  A file changed while it was being read is read again at the next query. */
template <typename Tables>
void follow(const QString &path, const refdata::FileChangeWatch &watch, quint64 &seen,
            std::optional<FileStamp> &stamp, std::shared_ptr<const Tables> &tables)
{
    // Nothing happened in the folder since the last look: the copy is still the file.
    const quint64 generation = watch.generation();
    if (tables && stamp && generation == seen)
        return;
    seen = generation;
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (tables && now && stamp == now)
        return;
    stamp = now;
    tables.reset();
    if (!now)
        return;
    tables = Tables::read(path);
    if (tables && FileStamp::of(path) != now)
        stamp.reset(); // changed while being read
}

QList<CallException> validRows(const refdata::TextMap<std::vector<refdata::PeriodRow>> &table,
                               QStringView key, const QString &dateTime)
{
    const auto it = table.find(refdata::textKey(key));
    if (it == table.end())
        return {};
    QList<CallException> rows;
    for (const refdata::PeriodRow &row : it->second)
        if (row.validAt(dateTime))
            rows.append({key.toString(), row.adif, row.start, row.end});
    return rows;
}

} // namespace

CachedDxccSource::CachedDxccSource(QString clublogPath, QString iotaPath)
    : m_clublogPath(std::move(clublogPath)), m_iotaPath(std::move(iotaPath)),
      m_watch({m_clublogPath, m_iotaPath})
{}

void CachedDxccSource::refresh()
{
    follow(m_clublogPath, m_watch, m_clublogSeen, m_clublogStamp, m_clublog);
    follow(m_iotaPath, m_watch, m_iotaSeen, m_iotaStamp, m_iota);
}

const refdata::ClublogTables *CachedDxccSource::clublog()
{
    if (!m_clublog) // logs the open failure, as a query on the file would
        m_clublog = refdata::ClublogTables::read(m_clublogPath);
    return m_clublog.get();
}

const refdata::IotaTables *CachedDxccSource::iota()
{
    if (!m_iota)
        m_iota = refdata::IotaTables::read(m_iotaPath);
    return m_iota.get();
}

QList<CallException> CachedDxccSource::callsignsAt(QStringView callsign, const QString &dateTime)
{
    const refdata::ClublogTables *tables = clublog();
    return tables ? validRows(tables->callsigns, callsign, dateTime) : QList<CallException>();
}

QList<CallException> CachedDxccSource::prefixesAt(QStringView prefix, const QString &dateTime)
{
    const refdata::ClublogTables *tables = clublog();
    return tables ? validRows(tables->prefixes, prefix, dateTime) : QList<CallException>();
}

int CachedDxccSource::invalidCountAt(const QString &callsign, const QString &dateTime)
{
    const refdata::ClublogTables *tables = clublog();
    return tables ? int(validRows(tables->invalid, callsign, dateTime).size()) : 0;
}

std::optional<CountryClass> CachedDxccSource::entityByAdif(qint64 adif)
{
    const refdata::ClublogTables *tables = clublog();
    if (!tables)
        return std::nullopt;
    const auto it = tables->entityByAdif.constFind(adif);
    return it == tables->entityByAdif.constEnd() ? std::nullopt : std::optional(*it);
}

std::optional<CountryClass> CachedDxccSource::entityByPrefix(const QString &prefix)
{
    const refdata::ClublogTables *tables = clublog();
    if (!tables)
        return std::nullopt;
    const auto it = tables->entityByPrefix.constFind(prefix);
    return it == tables->entityByPrefix.constEnd() ? std::nullopt : std::optional(*it);
}

int CachedDxccSource::ituOf(qint64 adif)
{
    const refdata::ClublogTables *tables = clublog();
    return tables ? tables->itu.value(adif) : 0;
}

QString CachedDxccSource::iotaOf(qint64 adif)
{
    const refdata::IotaTables *tables = iota();
    return tables ? tables->referenceByAdif.value(adif) : QString();
}
