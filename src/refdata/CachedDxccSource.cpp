#include "refdata/CachedDxccSource.h"

#include <QHash>

#include <mutex>

namespace {

using db::FileStamp;

/** The newest copy of each file read in this process. Instances on different threads meet only
 *  here, and only when a file changed or was first read. */
template <typename Tables> class SharedCopies {
public:
    std::shared_ptr<const Tables> get(const QString &path, const FileStamp &stamp)
    {
        {
            std::lock_guard lock(m_mutex);
            const auto it = m_copies.constFind(path);
            if (it != m_copies.constEnd() && it->stamp == stamp)
                return it->tables;
        }
        // Reading takes a while; other threads keep using their copies meanwhile.
        std::shared_ptr<const Tables> tables = Tables::read(path);
        // A file changed while it was being read is read again at the next query.
        if (tables && FileStamp::of(path) == stamp) {
            std::lock_guard lock(m_mutex);
            m_copies.insert(path, {stamp, tables});
        }
        return tables;
    }

private:
    struct Copy {
        FileStamp stamp;
        std::shared_ptr<const Tables> tables;
    };
    std::mutex m_mutex;
    QHash<QString, Copy> m_copies;
};

SharedCopies<refdata::ClublogTables> &clublogCopies()
{
    static SharedCopies<refdata::ClublogTables> copies;
    return copies;
}

SharedCopies<refdata::IotaTables> &iotaCopies()
{
    static SharedCopies<refdata::IotaTables> copies;
    return copies;
}

template <typename Tables>
void follow(const QString &path, const refdata::FileChangeWatch &watch, quint64 &seen,
            std::optional<FileStamp> &stamp, std::shared_ptr<const Tables> &tables,
            SharedCopies<Tables> &copies)
{
    // Nothing happened in the folder since the last look: the copy is still the file.
    const quint64 generation = watch.generation();
    if (tables && generation == seen)
        return;
    seen = generation;
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (tables && now && stamp == now)
        return;
    stamp = now;
    tables.reset();
    if (now)
        tables = copies.get(path, *now);
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
      m_clublogWatch(m_clublogPath), m_iotaWatch(m_iotaPath)
{}

void CachedDxccSource::refresh()
{
    follow(m_clublogPath, m_clublogWatch, m_clublogSeen, m_clublogStamp, m_clublog,
           clublogCopies());
    follow(m_iotaPath, m_iotaWatch, m_iotaSeen, m_iotaStamp, m_iota, iotaCopies());
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
