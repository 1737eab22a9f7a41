#include "model/LogModel.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "db/Database.h"
#include "formats/TextCoding.h"
#include "model/LogbookFiles.h"
#include "model/QsoBatchList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>

namespace {

const QString kLogDbName = QStringLiteral("LogDbName");

bool isUserFieldEntry(const QString &entry)
{
    return entry.startsWith(QLatin1String("UserField"));
}

} // namespace

LogModel::LogModel(UserDefaults &defaults, const DataFolder &folder, const Clock &clock,
                   DXCCModel &dxcc, QObject *parent)
    : LogModel(defaults, folder, clock, dxcc, QString(), parent)
{}

LogModel::LogModel(UserDefaults &defaults, const DataFolder &folder, const Clock &clock,
                   DXCCModel &dxcc, const QString &pinned, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_folder(folder), m_clock(clock), m_dxcc(dxcc),
      m_pinned(pinned), m_info60m(k60mCacheSize, QString()),
      m_fileStore(defaults, clock, m_info60m, QString()), m_fileWorked(defaults, QString())
{
    loadPrefs();
    if (m_pinned.isEmpty())
        connect(&m_defaults, &UserDefaults::changed, this, [this](const QString &key) {
            // Choosing another logbook repoints the model at once.
            if (key == kLogDbName && !m_selecting && m_defaults.string(kLogDbName) != m_logDbName) {
                loadPrefs();
                switched();
            }
        });
    // User-field mappings are kept per logbook.
    connect(this, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (isUserFieldEntry(entry))
            m_userFieldNames.reset();
    });
}

void LogModel::selectLogbook(const QString &name)
{
    m_selecting = true;
    m_defaults.setValue(kLogDbName, name);
    m_selecting = false;
    loadPrefs();
    switched();
}

void LogModel::switched()
{
    m_userFieldNames.reset();
    m_info60m = QStringList(k60mCacheSize, QString());
    m_spotStatus.invalidate();
    emit logbookSwitched();
}

void LogModel::committed(QsoChange change)
{
    emit qsosChanged(change);
}

void LogModel::takeCommitted(const QString &path, const QsoChange &change)
{
    if (path != m_fullLogDatabasePath || change.isEmpty())
        return;
    // What the cluster and the entry form were told before may have changed.
    m_info60m = QStringList(k60mCacheSize, QString());
    m_spotStatus.takeChange(change);
    emit qsosChanged(change);
}

void LogModel::takePulled(const QSet<int> &entities, const QSet<qint64> &ids)
{
    QsoChange change = ids.isEmpty() ? QsoChange::manyRows() : QsoChange{};
    change.ids = ids;
    change.fromSync = true;
    change.entities = entities;
    // The rows first: the entities' texts are then worked out from them.
    m_spotStatus.takeChange(change);
    refreshEntities(entities);
    takeCommitted(m_fullLogDatabasePath, change);
}

void LogModel::forgetMemberLists()
{
    m_lotwUsers.reset();
    m_eqslUsers.reset();
}

void LogModel::loadPrefs()
{
    if (!m_pinned.isEmpty()) {
        usePath(QFileInfo(m_pinned).fileName(), m_pinned);
        return;
    }
    QString name = m_defaults.string(kLogDbName);
    if (!name.isEmpty()) {
        // The synced logbook is this device's copy of it: an ordinary logbook file.
        const QString copy = m_folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
        if (name == QLatin1String(logbookfiles::kSyncedLog) && QFile::exists(copy)) {
            usePath(name, copy);
            m_isSyncLog = true;
            return;
        }
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
    m_fileStore.addMissingParts();
}

std::unique_ptr<LogModel> LogModel::pinned() const
{
    auto model =
        std::make_unique<LogModel>(m_defaults, m_folder, m_clock, m_dxcc, m_fullLogDatabasePath);
    // The pile-up logs through a pinned model: its QSOs are new QSOs too.
    model->m_newQsoStamp = m_newQsoStamp;
    // Its writes are announced here (queued when it works on another thread).
    auto *self = const_cast<LogModel *>(this);
    connect(model.get(), &LogModel::qsosChanged, self,
            [self, path = m_fullLogDatabasePath](const QsoChange &change) {
                self->takeCommitted(path, change);
            });
    return model;
}

bool LogModel::openDB()
{
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
    // The synced logbook is offered once this device has joined one.
    if (QFile::exists(m_folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy))))
        names.prepend(QString::fromLatin1(logbookfiles::kSyncedLog));
    return names;
}

LogStore &LogModel::store()
{
    return m_fileStore;
}

std::optional<QString> LogModel::logbookProblem(bool integrity)
{
    return m_fileStore.problem(integrity);
}

QList<QsoClass> LogModel::getlastQSOs(int rangeCode, QString *readError)
{
    return store().getlastQSOs(rangeCode, readError);
}

std::optional<QsoClass> LogModel::qsoById(qint64 id, QString *readError)
{
    return store().qsoById(id, readError);
}

std::optional<QSet<qint64>> LogModel::existingQsoIds(const QSet<qint64> &ids)
{
    return store().existingIds(ids);
}

std::optional<LogListQuery> LogModel::pagedQSOs(int rangeCode, int order) const
{
    return LogListQuery(m_fullLogDatabasePath, m_defaults.logDateFormaterStyle(), rangeCode, order,
                        m_clock.now().date().year());
}

QList<QsoClass> LogModel::getQSOsFromDXCC(int adif)
{
    return store().getQSOsFromDXCC(adif);
}

QList<QsoClass> LogModel::getAllQSOsWith(const QString &callsign)
{
    return store().getAllQSOsWith(callsign);
}

int LogModel::numberOfQSOsWithCallsign(const QString &callsign)
{
    return store().numberOfQSOsWithCallsign(callsign);
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
    return store().getLocatorFromLog(callsign);
}

QString LogModel::getLastLoggedMode()
{
    const auto last = store().lastInsertedQso();
    return last ? last->mode : QString();
}

QString LogModel::getLastLoggedFrequency()
{
    const auto last = store().lastInsertedQso();
    return last ? last->qrgText() : QString();
}

QString LogModel::getLastLoggedBand()
{
    const auto last = store().lastInsertedQso();
    return last ? last->band : QString();
}

QsoClass LogModel::getIdAndEqslFromQso(const QsoClass &received)
{
    return store().getIdAndEqslFromQso(received);
}

std::optional<QsoClass> LogModel::getQsoFromLotwQso(const QsoClass &received)
{
    return store().getQsoFromLotwQso(received);
}

QList<QsoClass> LogModel::getNewQSOsForClublog()
{
    return store().getNewQSOsForClublog();
}

int LogModel::numberOfNewQSOsForClublog()
{
    return store().numberOfNewQSOsForClublog();
}

QList<QsoClass> LogModel::getQsos4eQslUpload()
{
    return store().getQsos4eQslUpload();
}

QList<QsoClass> LogModel::getQsosForLotwUpload(QString *readError)
{
    return store().getQsosForLotwUpload(readError);
}

std::optional<int> LogModel::numberOfQsosForLotwUpload(QString *readError)
{
    return store().numberOfQsosForLotwUpload(readError);
}

QList<QsoClass> LogModel::qsosWithoutExtraField(const QString &name, const QString &value,
                                                QString *readError)
{
    return store().qsosWithoutExtraField(name, value, readError);
}

std::optional<int> LogModel::numberOfQsosWithoutExtraField(const QString &name,
                                                           const QString &value, QString *readError)
{
    return store().numberOfQsosWithoutExtraField(name, value, readError);
}

QList<int> LogModel::getDistinctDxccAdifsfromLog()
{
    return store().getDistinctDxccAdifsfromLog();
}

QList<QsoClass> LogModel::qsosWithExtraField(const QString &name, const QString &value)
{
    return store().qsosWithExtraField(name, value);
}

WriteResult LogModel::saveNewQSOtoLog(QsoClass &qso)
{
    if (m_newQsoStamp)
        m_newQsoStamp->stamp(qso);
    qso.clublog = QStringLiteral("W");
    LogStore &s = store();
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = s.saveNewQSOtoLog(qso);
    if (result) {
        qso.id = result.rowid;
        m_spotStatus.rowsWritten({result.rowid});
        addToDxInfo(qso);
        QsoChange change;
        change.add(qso.id.value_or(0), qso.adif);
        committed(change);
    }
    return result;
}

WriteResult LogModel::saveAllQSOsToLog(const QList<QsoClass> &qsos,
                                       const QList<QsoClass> &dxInfoToRefresh)
{
    QsoBatchList batches(qsos, dxInfoToRefresh);
    return saveAllQSOsToLog(batches);
}

WriteResult LogModel::saveAllQSOsToLog(QsoBatches &batches)
{
    /** Notes the entities of the QSOs on their way to the store. */
    class Noting final : public QsoBatches {
    public:
        explicit Noting(QsoBatches &source) : m_source(source) {}
        QList<QsoClass> next() override
        {
            QList<QsoClass> batch = m_source.next();
            for (const QsoClass &qso : std::as_const(batch))
                change.entities.insert(qso.adif);
            return batch;
        }
        QList<QsoClass> dxInfoToRefresh() override { return m_source.dxInfoToRefresh(); }
        QsoChange change = QsoChange::manyRows();

    private:
        QsoBatches &m_source;
    } noting(batches);
    // The DX info of the entities is rebuilt in the same transaction as the QSOs.
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = store().saveAllQSOsToLog(noting);
    if (result) {
        // Only rows after every row there was: the status counts them in and makes the same DX
        // info texts the store wrote.
        m_spotStatus.rowsAdded();
        for (const int adif : std::as_const(noting.change.entities))
            if (const std::optional<QString> info = m_spotStatus.dxInfoFromQsos(adif))
                m_spotStatus.setDxInfo(adif, *info);
        committed(noting.change);
    }
    return result;
}

WriteResult LogModel::updateQSO(const QsoClass &stored, const QsoClass &edited)
{
    return updateQSOs({{stored, edited}});
}

WriteResult LogModel::updateQSOs(const QList<QsoEdit> &edits)
{
    if (edits.isEmpty())
        return WriteResult::stored();
    LogStore &s = store();
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = s.updateQSOs(edits);
    if (!result)
        return result;
    QSet<qint64> ids;
    QsoChange change;
    // One QSO per entity whose DX info is worked out again: an edited one where there is one,
    // for its entity name; the stored one for an entity a QSO was moved away from.
    QHash<int, const QsoClass *> entities;
    for (const QsoEdit &edit : edits) {
        const qint64 id = *edit.stored.id;
        ids.insert(id);
        change.add(id, edit.stored.adif);
        change.add(id, edit.edited.adif);
        for (const QsoClass *qso : {&edit.stored, &edit.edited})
            if (qso->band == QLatin1String("60m"))
                forget60mInfo(qso->adif);
        if (!entities.contains(std::abs(edit.stored.adif)))
            entities.insert(std::abs(edit.stored.adif), &edit.stored);
        entities.insert(std::abs(edit.edited.adif), &edit.edited);
    }
    m_spotStatus.rowsWritten(ids);
    for (const QsoClass *qso : std::as_const(entities))
        updateDxInfoString(*qso);
    committed(change);
    return result;
}

WriteResult LogModel::updateLogbookField(const QString &column, const QsoClass &qso,
                                         const QString &value)
{
    LogStore &s = store();
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = s.updateLogbookField(column, qso, value);
    if (result) {
        m_spotStatus.rowsWritten({*qso.id});
        QsoChange change;
        change.add(qso.id.value_or(0), qso.adif);
        committed(change);
    }
    return result;
}

WriteResult LogModel::deleteQSO(const QsoClass &qso)
{
    LogStore &s = store();
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = s.deleteQSO(qso);
    if (result) {
        m_spotStatus.rowsWritten({*qso.id});
        updateDxInfoString(qso);
        QsoChange change;
        change.add(qso.id.value_or(0), qso.adif);
        committed(change);
    }
    return result;
}

WriteResult LogModel::deleteAllEntries()
{
    WriteResult result = store().deleteAllQsos();
    if (result) {
        m_spotStatus.invalidate();
        committed(QsoChange::manyRows());
    }
    return result;
}

WriteResult LogModel::markNewQsosAsClublogOkay()
{
    // The Club Log letters answer nothing the cluster asks.
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = store().markNewQsosAsClublogOkay();
    if (result)
        committed(QsoChange::manyRows());
    return result;
}

WriteResult LogModel::markAllAsClublogOkay()
{
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    WriteResult result = store().markAllAsClublogOkay();
    if (result)
        committed(QsoChange::manyRows());
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
