#include "model/FileWorkedStore.h"

#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "db/Database.h"
#include "model/DxInfo.h"
#include "model/PrefixRanges.h"
#include "model/QsoRow.h"

#include <QFile>

#include <cstdlib>

#include <sys/stat.h>

namespace {

/** The mode condition of each mode class. In these station questions "PCW" counts as CW. */
QString modeCondition(int xMode)
{
    switch (xMode) {
    case 1:
        return QStringLiteral(" and (mode='CW' or mode='PCW')");
    case 2:
        return QStringLiteral(" and mode<>'SSB' and mode<>'USB' and mode<>'LSB' and mode<>'FM'"
                              " and mode<>'AM' and mode<>'CW' and mode<>'PCW'");
    case 3:
        return QStringLiteral(" and (mode='SSB' or mode='FM' or mode='AM' or mode='USB' or "
                              "mode='LSB')");
    default:
        return {};
    }
}

QString confirmationCondition(WorkedStore::Confirmation kind)
{
    switch (kind) {
    case WorkedStore::Confirmation::Paper:
        return QStringLiteral(" and (qsl='R' or qsl='X' or qsl='G')");
    case WorkedStore::Confirmation::Lotw:
        return QStringLiteral(" and lotwqsl='X'");
    case WorkedStore::Confirmation::Strict:
        return QStringLiteral(" and (qsl='X' or qsl='R' or lotwqsl='X')");
    case WorkedStore::Confirmation::Any:
        break;
    }
    return {};
}

/** A LIKE pattern that matches the text literally at the start. */
QString startsWithPattern(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return text + QLatin1Char('%');
}

const QString kEntitySlots =
    QStringLiteral("select band, mode, qsl, lotwqsl from logbook where abs(dxccadif)=? group by "
                   "band, mode, qsl, lotwqsl");
const QString kReplaceDxInfo =
    QStringLiteral("REPLACE INTO dxlist (dxcc,info,dxccadif) VALUES (?,?,?)");

} // namespace

FileWorkedStore::FileWorkedStore(const UserDefaults &defaults, const QString &path)
    : m_defaults(defaults), m_path(path)
{}

FileWorkedStore::~FileWorkedStore() = default;

void FileWorkedStore::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_connection.reset();
    m_lastStation.reset();
    m_dxInfoStamp = {};
    m_dxInfo.clear();
}

db::Database *FileWorkedStore::connection()
{
    struct stat status {};
    const quint64 inode =
        ::stat(QFile::encodeName(m_path).constData(), &status) == 0 ? quint64(status.st_ino) : 0;
    if (inode == 0) {
        m_connection.reset();
        return nullptr;
    }
    if (!m_connection || inode != m_connectionInode) {
        auto database = std::make_unique<db::Database>();
        if (database->open(m_path, db::Database::Mode::ReadWrite) != 0) {
            diag(QStringLiteral("Failed to open logbook database: %1")
                     .arg(database->errorMessage()));
            m_connection.reset();
            return nullptr;
        }
        // Questions jump around a large file: map it instead of copying pages in one by one.
        database->exec(QStringLiteral("PRAGMA mmap_size=1073741824; PRAGMA cache_size=-16384"));
        m_connection = std::move(database);
        m_connectionInode = inode;
    }
    return m_connection.get();
}

WorkedStore::StationAnswer FileWorkedStore::stationBefore(const QString &callsign,
                                                          const QString &band, int xMode)
{
    const std::optional<db::FileStamp> stamp = db::FileStamp::of(m_path);
    if (m_lastStation && m_lastStation->stamp == stamp && m_lastStation->xMode == xMode &&
        m_lastStation->callsign == callsign && m_lastStation->band == band)
        return m_lastStation->answer;
    db::Database *database = connection();
    if (!database)
        return {};
    db::Statement select = database->prepare(
        // "+band" keeps SQLite from choosing the band index, which would read a whole band
        // instead of one station's few QSOs.
        QStringLiteral("select count(*), count(case when qsl='R' or qsl='X' or lotwqsl='X' then 1 "
                       "end) from logbook where callsign=? and +band=?") +
        modeCondition(xMode));
    select.bind(1, callsign).bind(2, band);
    if (!select.step())
        return {};
    const StationAnswer answer{select.int64(0) > 0, select.int64(1) > 0};
    m_lastStation = StationQuestion{callsign, band, xMode, stamp, answer};
    return answer;
}

QList<QsoClass> FileWorkedStore::slotsOfEntity(int adif)
{
    return slotRows(kEntitySlots, {std::abs(adif)});
}

QList<QsoClass> FileWorkedStore::slotsOfCallsign(const QString &callsign)
{
    return slotRows(QStringLiteral("select band, mode, qsl, lotwqsl from logbook where callsign=? "
                                   "group by band, mode, qsl, lotwqsl"),
                    {callsign});
}

QList<QsoClass> FileWorkedStore::slotRows(const QString &statement,
                                          std::initializer_list<QVariant> values)
{
    db::Database *database = connection();
    if (!database)
        return {};
    db::Statement select = database->prepare(statement);
    select.bindAll(values);
    return qsorow::readSlots(select);
}

std::optional<QString> FileWorkedStore::storedDxInfo(int adif)
{
    const std::optional<db::FileStamp> stamp = db::FileStamp::of(m_path);
    if (stamp != m_dxInfoStamp) {
        m_dxInfo.clear();
        db::Database *database = connection();
        if (!database)
            return std::nullopt;
        db::Statement select =
            database->prepare(QStringLiteral("select dxccadif, info from dxlist"));
        while (select.step())
            m_dxInfo.insert(int(std::abs(select.int64(0))), select.text(1));
        m_dxInfoStamp = stamp;
    }
    const auto it = m_dxInfo.constFind(std::abs(adif));
    if (it == m_dxInfo.constEnd())
        return std::nullopt;
    return *it;
}

bool FileWorkedStore::saveDxInfoString(const QString &dxcc, const QString &info, int adif)
{
    db::Database *database = connection();
    if (!database)
        return false;
    db::Statement replace = database->prepare(kReplaceDxInfo);
    replace.bind(1, dxcc).bind(2, info).bind(3, std::abs(adif));
    if (!replace.run()) {
        diag(QStringLiteral("Error saving DX Info String: %1").arg(database->errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database->errorMessage()));
        return false;
    }
    return true;
}

bool FileWorkedStore::refreshDxInfo(db::Database &database, const QList<QsoClass> &entities,
                                    QString *error)
{
    db::Statement select = database.prepare(kEntitySlots);
    db::Statement replace = database.prepare(kReplaceDxInfo);
    for (const QsoClass &entity : entities) {
        if (entity.adif == 0)
            continue;
        const int adif = std::abs(entity.adif);
        select.reset();
        select.bind(1, adif);
        const QList<QsoClass> found = qsorow::readSlots(select);
        replace.reset();
        if (!select.failed())
            replace.bind(1, entity.dxcc)
                .bind(2, found.isEmpty() ? QString() : dxinfo::infoFromQsos(found))
                .bind(3, adif);
        if (select.failed() || !replace.run()) {
            // Taken now: finalizing the statements sets the connection's message again.
            *error = database.errorMessage();
            diag(QStringLiteral("Error saving DX Info String: %1").arg(*error));
            return false;
        }
    }
    return true;
}

bool FileWorkedStore::saveAllDxInfoStrings(const QList<DxListEntry> &entries)
{
    db::Database *database = connection();
    if (!database)
        return false;
    database->exec(QStringLiteral("begin transaction"));
    database->exec(QStringLiteral("delete from dxlist"));
    db::Statement replace = database->prepare(
        QStringLiteral("REPLACE INTO dxlist (dxcc,info,dxccadif) VALUES (?,?,?)"));
    bool saved = true;
    for (const DxListEntry &entry : entries) {
        replace.reset();
        replace.bind(1, entry.dxcc).bind(2, entry.info).bind(3, entry.adif);
        if (!replace.run()) {
            diag(QStringLiteral("Error saving (LoTW) DX Info String: %1")
                     .arg(database->errorMessage()));
            saved = false;
        }
    }
    replace = {};
    return database->exec(QStringLiteral("commit transaction")) && saved;
}

QList<QsoClass> FileWorkedStore::qsos60m(int adif)
{
    return query(QStringLiteral("select * from logbook where band = '60m' and dxccadif = ? "
                                "group by qsl,mode,lotwqsl"),
                 {adif});
}

QList<QsoClass> FileWorkedStore::qsos60mWith(const QString &callsign)
{
    return query(QStringLiteral("select * from logbook where callsign = ? and band = '60m'"),
                 {callsign});
}

bool FileWorkedStore::hasIota(const QString &reference, Confirmation kind)
{
    return exists(QStringLiteral("select id from logbook where iota=?") +
                      confirmationCondition(kind),
                  {reference});
}

bool FileWorkedStore::hasLocator(const QString &square, const QString &band, Confirmation kind)
{
    // "like" ignores the case of ASCII letters but cannot use the (case-sensitive) locator index;
    // a range per way of writing the letters can, with the same answer. "+band" keeps SQLite off
    // the band index, which holds a large share of the logbook.
    const std::optional<QList<prefixranges::Range>> ranges = prefixranges::caseBlind(square);
    if (!ranges)
        return exists(QStringLiteral("select id from logbook where locator like ? escape '\\' and "
                                     "band = ?") +
                          confirmationCondition(kind),
                      {startsWithPattern(square), band});
    prefixranges::Condition locator = prefixranges::condition(QStringLiteral("locator"), *ranges);
    locator.values << band;
    return existsWithTexts(QStringLiteral("select id from logbook where ") + locator.sql +
                               QStringLiteral(" and +band = ?") + confirmationCondition(kind),
                           locator.values);
}

QString FileWorkedStore::newestEntityName(int adif)
{
    db::Database *database = connection();
    if (!database)
        return {};
    db::Statement select = database->prepare(QStringLiteral(
        "select dxcc from logbook where abs(dxccadif)=? order by datetime desc limit 1"));
    select.bind(1, std::abs(adif));
    return select.step() ? select.text(0) : QString();
}

bool FileWorkedStore::exists(const QString &statement, std::initializer_list<QVariant> values)
{
    db::Database *database = connection();
    if (!database)
        return false;
    db::Statement select = database->prepare(statement + QStringLiteral(" limit 1"));
    select.bindAll(values);
    return select.step();
}

bool FileWorkedStore::existsWithTexts(const QString &statement, const QStringList &texts)
{
    db::Database *database = connection();
    if (!database)
        return false;
    db::Statement select = database->prepare(statement + QStringLiteral(" limit 1"));
    for (qsizetype i = 0; i < texts.size(); ++i)
        select.bind(int(i + 1), texts.at(i));
    return select.step();
}

QList<QsoClass> FileWorkedStore::query(const QString &statement,
                                       std::initializer_list<QVariant> values)
{
    db::Database *database = connection();
    if (!database)
        return {};
    db::Statement select = database->prepare(statement);
    select.bindAll(values);
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    QList<QsoClass> qsos;
    while (select.step())
        qsos.append(qsorow::readRow(select, style));
    return qsos;
}
