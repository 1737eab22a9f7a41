#include "model/LogModel.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "db/Database.h"
#include "formats/TextCoding.h"
#include "model/LogbookFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kLogDbName = QStringLiteral("LogDbName");
const QString kSyncedUnavailable = QStringLiteral("The synced logbook is not available");

QString notification(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

LogModel::LogModel(UserDefaults &defaults, const DataFolder &folder, NotificationCenter &centre,
                   const Clock &clock, DXCCModel &dxcc, QObject *parent)
    : LogModel(defaults, folder, centre, clock, dxcc, QString(), parent)
{}

LogModel::LogModel(UserDefaults &defaults, const DataFolder &folder, NotificationCenter &centre,
                   const Clock &clock, DXCCModel &dxcc, const QString &pinned, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_folder(folder), m_notifications(centre),
      m_clock(clock), m_dxcc(dxcc), m_pinned(pinned), m_info60m(k60mCacheSize, QString()),
      m_fileStore(defaults, clock, m_info60m, QString()), m_fileWorked(defaults, QString())
{
    loadPrefs();
    if (m_pinned.isEmpty())
        connect(&m_defaults, &UserDefaults::changed, this, [this](const QString &key) {
            // Choosing another logbook repoints the model at once.
            if (key == kLogDbName && m_defaults.string(kLogDbName) != m_logDbName)
                loadPrefs();
        });
    centre.observe(notification(notifications::DownloadableDataChanged), this,
                   [this](const QVariant &) {
                       m_lotwUsers.reset();
                       m_eqslUsers.reset();
                   });
    centre.observe(notification(notifications::UserFieldPrefsChanged), this,
                   [this](const QVariant &) { m_userFieldNames.reset(); });
    // User-field mappings are kept per logbook, so another logbook brings other names.
    for (const char *name : {notifications::PrefsWereChanged, notifications::NewLogSelected})
        centre.observe(notification(name), this, [this](const QVariant &) {
            m_userFieldNames.reset();
            loadPrefs();
        });
    // Another logbook, or the same one after an import or a download, has other answers.
    centre.observe(notification(notifications::NewLogSelected), this, [this](const QVariant &) {
        m_info60m = QStringList(k60mCacheSize, QString());
        m_spotStatus.invalidate();
    });
}

void LogModel::loadPrefs()
{
    if (!m_pinned.isEmpty()) {
        usePath(QFileInfo(m_pinned).fileName(), m_pinned);
        return;
    }
    QString name = m_defaults.string(kLogDbName);
    if (!name.isEmpty()) {
        if (name == QLatin1String(logbookfiles::kSyncedLog)) {
            m_isSyncLog = true;
            m_logDbName = name;
            m_fullLogDatabasePath.clear();
            m_spotStatus.setPath({});
            return;
        }
        m_isSyncLog = false;
        // The name may come from an edited settings file: it never leads out of the data folder.
        const bool leaves =
            QDir::isAbsolutePath(name) || name.split(QRegularExpression(QStringLiteral("[/\\\\]")))
                                              .contains(QStringLiteral(".."));
        if (leaves || !QFile::exists(m_folder.filePath(name)))
            name.clear();
    }
    if (name.isEmpty()) {
        name = QString::fromLatin1(logbookfiles::kDefaultLog);
        // A failed copy is ignored here: every operation then reports the unopenable file.
        m_folder.copyResourceIfMissing(QString::fromLatin1(logbookfiles::kEmptyLog), name);
        m_defaults.setValue(kLogDbName, name);
    }
    usePath(name, m_folder.filePath(name));
}

void LogModel::usePath(const QString &name, const QString &path)
{
    m_isSyncLog = false;
    m_logDbName = name;
    m_fullLogDatabasePath = path;
    m_fileStore.setPath(m_fullLogDatabasePath);
    m_fileWorked.setPath(m_fullLogDatabasePath);
    m_spotStatus.setPath(m_fullLogDatabasePath);
    m_fileStore.addMissingIndexes();
}

std::unique_ptr<LogModel> LogModel::pinned() const
{
    return std::make_unique<LogModel>(m_defaults, m_folder, m_notifications, m_clock, m_dxcc,
                                      m_fullLogDatabasePath);
}

bool LogModel::openDB()
{
    if (m_isSyncLog)
        diag(QStringLiteral("Error in openDB while sync log is in use"));
    db::Database database;
    const int rc = database.open(m_fullLogDatabasePath);
    if (rc != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(rc));
        return false;
    }
    return true;
}

QStringList LogModel::getAllLogNames() const
{
    QStringList names = logbookfiles::listLogbooks(m_folder.path);
    // The synced logbook is offered only where this build can reach it.
    if (m_syncedStore)
        names.prepend(QString::fromLatin1(logbookfiles::kSyncedLog));
    return names;
}

LogStore *LogModel::store()
{
    if (!m_isSyncLog)
        return &m_fileStore;
    if (m_syncedStore)
        return m_syncedStore;
    diag(QStringLiteral("Error in openDB while sync log is in use"));
    return nullptr;
}

std::optional<QString> LogModel::logbookProblem(bool integrity)
{
    if (m_isSyncLog)
        return store() ? std::nullopt : std::optional<QString>(kSyncedUnavailable);
    return m_fileStore.problem(integrity);
}

QList<QsoClass> LogModel::getlastQSOs(int rangeCode, QString *readError)
{
    if (LogStore *s = store())
        return s->getlastQSOs(rangeCode, readError);
    if (readError)
        *readError = kSyncedUnavailable;
    return {};
}

std::optional<QsoClass> LogModel::qsoById(qint64 id, QString *readError)
{
    if (LogStore *s = store())
        return s->qsoById(id, readError);
    if (readError)
        *readError = kSyncedUnavailable;
    return std::nullopt;
}

std::optional<QSet<qint64>> LogModel::existingQsoIds(const QSet<qint64> &ids)
{
    LogStore *s = store();
    return s ? s->existingIds(ids) : std::nullopt;
}

std::optional<LogListQuery> LogModel::pagedQSOs(int rangeCode, int order) const
{
    if (m_isSyncLog)
        return std::nullopt;
    return LogListQuery(m_fullLogDatabasePath, m_defaults.logDateFormaterStyle(), rangeCode, order,
                        m_clock.now().date().year());
}

QList<QsoClass> LogModel::getQSOsFromDXCC(int adif)
{
    LogStore *s = store();
    return s ? s->getQSOsFromDXCC(adif) : QList<QsoClass>();
}

QList<QsoClass> LogModel::getAllQSOsWith(const QString &callsign)
{
    LogStore *s = store();
    return s ? s->getAllQSOsWith(callsign) : QList<QsoClass>();
}

int LogModel::numberOfQSOsWithCallsign(const QString &callsign)
{
    LogStore *s = store();
    return s ? s->numberOfQSOsWithCallsign(callsign) : 0;
}

QsoClass LogModel::getInfoForStation(const QString &callsign)
{
    // Oldest to newest: the newest value of at least two characters wins.
    QsoClass info;
    const auto take = [](QString &target, const QString &value) {
        if (value.size() >= 2)
            target = value;
    };
    for (const QsoClass &qso : getAllQSOsWith(callsign)) {
        take(info.name, qso.name);
        take(info.qth, qso.qth);
        take(info.locator, qso.locator);
        take(info.iota, qso.iota);
        take(info.manager, qso.manager);
        take(info.state, qso.state);
        if (qso.county.size() >= 2)
            info.county = qso.county.section(QLatin1Char(','), -1);
    }
    return info;
}

QString LogModel::getLocatorFromLog(const QString &callsign)
{
    LogStore *s = store();
    return s ? s->getLocatorFromLog(callsign) : QString();
}

QString LogModel::getLastLoggedMode()
{
    LogStore *s = store();
    const auto last = s ? s->lastInsertedQso() : std::nullopt;
    return last ? last->mode : QString();
}

QString LogModel::getLastLoggedFrequency()
{
    LogStore *s = store();
    const auto last = s ? s->lastInsertedQso() : std::nullopt;
    return last ? last->qrgString : QString();
}

QString LogModel::getLastLoggedBand()
{
    LogStore *s = store();
    const auto last = s ? s->lastInsertedQso() : std::nullopt;
    return last ? last->band : QString();
}

QsoClass LogModel::getIdAndEqslFromQso(const QsoClass &received)
{
    if (LogStore *s = store())
        return s->getIdAndEqslFromQso(received);
    QsoClass none = received;
    none.rowid = -1;
    return none;
}

std::optional<QsoClass> LogModel::getQsoFromLotwQso(const QsoClass &received)
{
    LogStore *s = store();
    return s ? s->getQsoFromLotwQso(received) : std::nullopt;
}

QList<QsoClass> LogModel::getNewQSOsForClublog()
{
    LogStore *s = store();
    return s ? s->getNewQSOsForClublog() : QList<QsoClass>();
}

QList<QsoClass> LogModel::getQsos4eQslUpload()
{
    LogStore *s = store();
    return s ? s->getQsos4eQslUpload() : QList<QsoClass>();
}

QList<int> LogModel::getDistinctDxccAdifsfromLog()
{
    LogStore *s = store();
    return s ? s->getDistinctDxccAdifsfromLog() : QList<int>();
}

WriteResult LogModel::saveNewQSOtoLog(QsoClass &qso)
{
    qso.clublog = QStringLiteral("W");
    LogStore *s = store();
    if (!s)
        return WriteResult::failed(kSyncedUnavailable);
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = s->saveNewQSOtoLog(qso);
    if (result) {
        m_spotStatus.addQso(qso);
        addToDxInfo(qso);
        emit logbookChanged();
    }
    return result;
}

WriteResult LogModel::saveAllQSOsToLog(const QList<QsoClass> &qsos,
                                       const QList<QsoClass> &dxInfoToRefresh)
{
    LogStore *s = store();
    if (!s)
        return WriteResult::failed(kSyncedUnavailable);
    WriteResult result = s->saveAllQSOsToLog(qsos);
    if (result) {
        m_spotStatus.invalidate();
        for (const QsoClass &qso : dxInfoToRefresh)
            updateDxInfoString(qso);
        emit logbookChanged();
    }
    return result;
}

WriteResult LogModel::updateQSO(const QsoClass &stored, const QsoClass &edited)
{
    LogStore *s = store();
    if (!s)
        return WriteResult::failed(kSyncedUnavailable);
    WriteResult result = s->updateQSO(stored, edited);
    if (result) {
        m_spotStatus.invalidate();
        // Both: an edit may move the QSO to another entity.
        updateDxInfoString(stored);
        updateDxInfoString(edited);
        emit logbookChanged();
    }
    return result;
}

WriteResult LogModel::updateLogbookField(const QString &column, const QsoClass &qso,
                                         const QString &value)
{
    LogStore *s = store();
    if (!s)
        return WriteResult::failed(kSyncedUnavailable);
    WriteResult result = s->updateLogbookField(column, qso, value);
    if (result) {
        m_spotStatus.invalidate();
        emit logbookChanged();
    }
    return result;
}

WriteResult LogModel::deleteQSO(const QsoClass &qso)
{
    LogStore *s = store();
    if (!s)
        return WriteResult::failed(kSyncedUnavailable);
    WriteResult result = s->deleteQSO(qso);
    if (result) {
        m_spotStatus.invalidate();
        updateDxInfoString(qso);
        emit logbookChanged();
    }
    return result;
}

WriteResult LogModel::markNewQsosAsClublogOkay()
{
    // The Club Log letters answer nothing the cluster asks.
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    LogStore *s = store();
    WriteResult result =
        s ? s->markNewQsosAsClublogOkay() : WriteResult::failed(kSyncedUnavailable);
    if (result)
        emit logbookChanged();
    return result;
}

WriteResult LogModel::markAllAsClublogOkay()
{
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    LogStore *s = store();
    WriteResult result = s ? s->markAllAsClublogOkay() : WriteResult::failed(kSyncedUnavailable);
    if (result)
        emit logbookChanged();
    return result;
}

bool LogModel::isLotwUser(const QString &callsign)
{
    return lotwUsers().contains(callsign);
}

bool LogModel::isEqslUser(const QString &callsign)
{
    return eqslUsers().contains(callsign);
}

int LogModel::numberofLotwUser()
{
    return lotwUsers().lineCount();
}

int LogModel::numberOfEqslUser()
{
    return eqslUsers().lineCount();
}

const MemberList &LogModel::lotwUsers()
{
    if (!m_lotwUsers)
        m_lotwUsers =
            MemberList::load(m_folder.filePath(QStringLiteral("lotw.txt")), QStringLiteral("\n"));
    return *m_lotwUsers;
}

const MemberList &LogModel::eqslUsers()
{
    if (!m_eqslUsers)
        m_eqslUsers =
            MemberList::load(m_folder.filePath(QStringLiteral("eqsl.txt")), QStringLiteral("\r\n"));
    return *m_eqslUsers;
}
