#include "model/FileLogStore.h"

#include "app/Clock.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "db/Database.h"
#include "model/ExtraFieldStore.h"
#include "model/FileWorkedStore.h"
#include "model/LogbookFiles.h"
#include "model/QslMatch.h"
#include "model/QsoRow.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSelectAll = QStringLiteral("select * from logbook");
// The windows around a received QSL's time in which its QSO is looked for.
constexpr int kLotwWindowSeconds = 60;
constexpr int kEqslWindowSeconds = 3600;
// SQLite's result codes, so this file needs no SQLite header.
constexpr int kSqliteError = 1;
constexpr int kSqliteNotADatabase = 26;
// The page cache of a bulk save: the file's size and this much more for what is added, at most
// the second.
constexpr qint64 kBulkCacheBytes = qint64(64) << 20;
constexpr qint64 kBulkCacheMaxBytes = qint64(256) << 20;

QString insertStatement()
{
    QString placeholders = QStringLiteral("?");
    for (int i = 1; i < qsorow::kInsertColumnCount; ++i)
        placeholders += QStringLiteral(",?");
    return QStringLiteral("INSERT INTO logbook (") + QLatin1String(qsorow::kInsertColumns) +
           QStringLiteral(") VALUES (") + placeholders + QLatin1Char(')');
}

} // namespace

FileLogStore::FileLogStore(const UserDefaults &defaults, const Clock &clock, QStringList &info60m,
                           QString path)
    : m_defaults(defaults), m_clock(clock), m_info60m(info60m), m_path(std::move(path))
{}

std::optional<QString> FileLogStore::open(db::Database &database) const
{
    // Only an existing file: creating an empty one here would hide a logbook that went missing.
    const int rc = database.open(m_path, db::Database::Mode::ReadWrite);
    if (rc != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(rc));
        return QStringLiteral("%1 could not be opened: %2")
            .arg(QFileInfo(m_path).fileName(), db::Database::describe(rc));
    }
    return std::nullopt;
}

void FileLogStore::addMissingParts()
{
    db::Database database;
    if (QFile::exists(m_path) && database.open(m_path, db::Database::Mode::ReadWrite) == 0)
        logbookfiles::addMissingParts(database);
}

std::optional<QString> FileLogStore::problem(bool integrity)
{
    db::Database database;
    if (std::optional<QString> error = open(database))
        return error;
    const QString name = QFileInfo(m_path).fileName();
    // Another file (text, another program's database, a logbook missing a table) is never taken
    // for a logbook: every table the program writes must be there.
    for (const char *table : {"logbook", "dxlist", "prefs"}) {
        db::Statement probe =
            database.prepare(QStringLiteral("select * from %1 limit 1").arg(QLatin1String(table)));
        probe.step();
        if (!probe.failed())
            continue;
        const int code = database.errorCode();
        const bool notLogbook =
            code == kSqliteNotADatabase || (code == kSqliteError && !probe.isValid());
        const QString reason = notLogbook ? QStringLiteral("%1 is not a logbook: %2")
                                          : QStringLiteral("%1 could not be read: %2");
        return reason.arg(name, database.errorMessage());
    }
    if (const QString identity = logbookfiles::identityProblem(database); !identity.isEmpty())
        return QStringLiteral("%1 is not a logbook: %2").arg(name, identity);
    if (!integrity)
        return std::nullopt;
    db::Statement check = database.prepare(QStringLiteral("pragma quick_check"));
    QStringList findings;
    while (check.step())
        findings << check.text(0);
    if (check.failed())
        return QStringLiteral("%1 is damaged: %2").arg(name, database.errorMessage());
    if (findings != QStringList{QStringLiteral("ok")})
        return QStringLiteral("%1 is damaged: %2").arg(name, findings.mid(0, 3).join(u"; "));
    return std::nullopt;
}

QList<QsoClass> FileLogStore::query(const QString &statement,
                                    std::initializer_list<QVariant> values, QString *readError)
{
    if (readError)
        readError->clear();
    db::Database database;
    if (std::optional<QString> error = open(database)) {
        if (readError)
            *readError = *error;
        return {};
    }
    db::Statement select = database.prepare(statement);
    select.bindAll(values);
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    QList<QsoClass> qsos;
    while (select.step())
        qsos.append(qsorow::readRow(select, style));
    // A QSO without its extra fields is no answer either: saved back, it would lose them.
    if (select.failed() || !extrafieldstore::load(database, qsos)) {
        // Rows read so far are no answer: a caller would take them for the whole logbook.
        const QString error = database.errorMessage();
        diag(QStringLiteral("Error reading logbook: ") + error);
        if (readError)
            *readError = error;
        return {};
    }
    return qsos;
}

QList<QsoClass> FileLogStore::getlastQSOs(int rangeCode, QString *readError)
{
    const int year = m_clock.now().date().year();
    const QString since = QStringLiteral(" where datetime>=? order by datetime desc");
    switch (rangeCode) {
    case 1:
        return query(kSelectAll + QStringLiteral(" order by datetime desc limit 2500"), {},
                     readError);
    case 2:
        return query(kSelectAll + since, {QStringLiteral("%1-01-01 00:00:00").arg(year)},
                     readError);
    case 3:
        return query(kSelectAll + since, {QStringLiteral("%1-01-01 00:00:00").arg(year - 1)},
                     readError);
    case 4:
        return query(kSelectAll + QStringLiteral(" order by datetime desc"), {}, readError);
    default:
        return query(kSelectAll + QStringLiteral(" order by datetime desc limit 500"), {},
                     readError);
    }
}

std::optional<QsoClass> FileLogStore::qsoById(qint64 id, QString *readError)
{
    const QList<QsoClass> found =
        query(kSelectAll + QStringLiteral(" where id=?"), {id}, readError);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<QSet<qint64>> FileLogStore::existingIds(const QSet<qint64> &ids)
{
    QSet<qint64> existing;
    if (ids.isEmpty())
        return existing;
    db::Database database;
    if (open(database))
        return std::nullopt;
    // In groups, below SQLite's limit of bound values per statement.
    constexpr qsizetype kGroup = 500;
    const QList<qint64> all(ids.cbegin(), ids.cend());
    for (qsizetype first = 0; first < all.size(); first += kGroup) {
        const QList<qint64> group = all.mid(first, kGroup);
        QString placeholders = QStringLiteral("?");
        for (qsizetype i = 1; i < group.size(); ++i)
            placeholders += QStringLiteral(",?");
        db::Statement select = database.prepare(
            QStringLiteral("select id from logbook where id in (%1)").arg(placeholders));
        for (qsizetype i = 0; i < group.size(); ++i)
            select.bind(int(i + 1), group.at(i));
        while (select.step())
            existing.insert(select.int64(0));
        if (select.failed())
            return std::nullopt;
    }
    return existing;
}

QList<QsoClass> FileLogStore::getQSOsFromDXCC(int adif)
{
    return query(kSelectAll + QStringLiteral(" where abs(dxccadif)=? order by datetime desc"),
                 {adif});
}

QList<QsoClass> FileLogStore::getAllQSOsWith(const QString &callsign)
{
    return query(kSelectAll + QStringLiteral(" where callsign=? order by datetime"), {callsign});
}

int FileLogStore::numberOfQSOsWithCallsign(const QString &callsign)
{
    db::Database database;
    if (open(database))
        return 0;
    db::Statement count =
        database.prepare(QStringLiteral("select count(*) from logbook where callsign=?"));
    count.bind(1, callsign);
    return count.step() ? static_cast<int>(count.int64(0)) : 0;
}

QString FileLogStore::getLocatorFromLog(const QString &callsign)
{
    db::Database database;
    if (open(database))
        return {};
    db::Statement select = database.prepare(QStringLiteral(
        "select locator from logbook where callsign=? and locator<>'' and locator is not null "
        "order by datetime desc"));
    select.bind(1, callsign);
    return select.step() ? select.text(0) : QString();
}

std::optional<QsoClass> FileLogStore::lastInsertedQso()
{
    const QList<QsoClass> last = query(kSelectAll + QStringLiteral(" order by id desc limit 1"));
    if (last.isEmpty())
        return std::nullopt;
    return last.first();
}

QList<QsoClass> FileLogStore::qsosNear(const QsoClass &received, int windowSeconds)
{
    // Read along the time index ("+band" keeps SQLite off the band index); the callsign rule
    // (the call itself or with "/…") is applied to the few QSOs of the window.
    return query(kSelectAll + QStringLiteral(" where datetime>? and datetime<? and +band=? "
                                             "order by id"),
                 {formats::sqlDateTime(received.dateTime.addSecs(-windowSeconds)),
                  formats::sqlDateTime(received.dateTime.addSecs(windowSeconds)), received.band});
}

QsoClass FileLogStore::getIdAndEqslFromQso(const QsoClass &received)
{
    QsoClass result = received;
    result.id.reset();
    const QList<QsoClass> near = qsosNear(received, kEqslWindowSeconds);
    QList<qslmatch::Candidate> candidates;
    QList<const QsoClass *> qsos;
    for (const QsoClass &qso : near) {
        if (!qslmatch::sameStation(qso.callsign, received.callsign))
            continue;
        const bool confirmed = qso.eqsl == QLatin1String("R") || qso.eqsl == QLatin1String("X");
        candidates.append({qso.id.value_or(0), std::abs(qso.dateTime.secsTo(received.dateTime)),
                           confirmed, qslmatch::modeFit(qso.mode, received.mode, nullptr)});
        qsos.append(&qso);
    }
    const qsizetype chosen = qslmatch::best(candidates);
    if (chosen >= 0) {
        result.id = qsos.at(chosen)->id;
        result.eqsl = qsos.at(chosen)->eqsl;
    }
    return result;
}

std::optional<QsoClass> FileLogStore::getQsoFromLotwQso(const QsoClass &received)
{
    const QList<QsoClass> near = qsosNear(received, kLotwWindowSeconds);
    QList<qslmatch::Candidate> candidates;
    QList<const QsoClass *> qsos;
    for (const QsoClass &qso : near) {
        if (!qslmatch::sameStation(qso.callsign, received.callsign))
            continue;
        candidates.append({qso.id.value_or(0), std::abs(qso.dateTime.secsTo(received.dateTime)),
                           qso.lotwqsl == QLatin1String("X"), 0});
        qsos.append(&qso);
    }
    if (candidates.size() > 1)
        diag(QStringLiteral("Multiple QSOs found for %1 at %2")
                 .arg(received.callsign, formats::sqlDateTime(received.dateTime)));
    const qsizetype chosen = qslmatch::best(candidates);
    if (chosen < 0)
        return std::nullopt;
    return *qsos.at(chosen);
}

QList<QsoClass> FileLogStore::getNewQSOsForClublog()
{
    return query(kSelectAll + QStringLiteral(" where clublog = 'W' order by datetime"));
}

int FileLogStore::numberOfNewQSOsForClublog()
{
    db::Database database;
    if (open(database))
        return 0;
    db::Statement count =
        database.prepare(QStringLiteral("select count(*) from logbook where clublog = 'W'"));
    return count.step() ? static_cast<int>(count.int64(0)) : 0;
}

QList<QsoClass> FileLogStore::getQsos4eQslUpload()
{
    return query(kSelectAll + QStringLiteral(" where eqsl='W' or eqsl='R'"));
}

namespace {
// "S" uploaded, "X" confirmed; "W", "-" and nothing wait.
const QString kLotwWaiting = QStringLiteral(" where coalesce(lotwqsl, '') not in ('S', 'X')");
} // namespace

QList<QsoClass> FileLogStore::getQsosForLotwUpload(QString *readError)
{
    return query(kSelectAll + kLotwWaiting + QStringLiteral(" order by datetime, id"), {},
                 readError);
}

std::optional<int> FileLogStore::numberOfQsosForLotwUpload(QString *readError)
{
    db::Database database;
    if (std::optional<QString> error = open(database)) {
        if (readError)
            *readError = *error;
        return std::nullopt;
    }
    db::Statement count =
        database.prepare(QStringLiteral("select count(*) from logbook") + kLotwWaiting);
    if (!count.step()) {
        if (readError)
            *readError = database.errorMessage();
        return std::nullopt;
    }
    return static_cast<int>(count.int64(0));
}

QList<int> FileLogStore::getDistinctDxccAdifsfromLog()
{
    db::Database database;
    if (open(database))
        return {};
    db::Statement select = database.prepare(
        QStringLiteral("select distinct dxccadif from logbook where dxccadif > 0"));
    QList<int> adifs;
    while (select.step())
        adifs.append(static_cast<int>(select.int64(0)));
    return adifs;
}

void FileLogStore::blank60mEntry(const QsoClass &qso)
{
    QStringList &cache = m_info60m;
    const int index = std::abs(qso.adif);
    if (qso.band == QLatin1String("60m") && index < cache.size())
        cache[index].clear();
}

QList<QsoClass> FileLogStore::qsosWithExtraField(const QString &name, const QString &value)
{
    return query(kSelectAll + QStringLiteral(" where id in (select qso from qso_fields where "
                                             "name=? and value=?) order by datetime, id"),
                 {name.toLower(), value});
}

namespace {
// A probe of the fields' primary key (qso, name) per QSO, no scan of the fields.
const QString kWithoutField = QStringLiteral(
    " where not exists (select 1 from qso_fields where qso = logbook.id and name = ?1 and "
    "(?2 = '' or upper(value) = upper(?2)))");
} // namespace

QList<QsoClass> FileLogStore::qsosWithoutExtraField(const QString &name, const QString &value,
                                                    QString *readError)
{
    return query(kSelectAll + kWithoutField + QStringLiteral(" order by datetime, id"),
                 {name.toLower(), value}, readError);
}

std::optional<int> FileLogStore::numberOfQsosWithoutExtraField(const QString &name,
                                                               const QString &value,
                                                               QString *readError)
{
    db::Database database;
    if (std::optional<QString> error = open(database)) {
        if (readError)
            *readError = *error;
        return std::nullopt;
    }
    db::Statement count =
        database.prepare(QStringLiteral("select count(*) from logbook") + kWithoutField);
    count.bindAll({name.toLower(), value});
    if (!count.step()) {
        if (readError)
            *readError = database.errorMessage();
        return std::nullopt;
    }
    return static_cast<int>(count.int64(0));
}

WriteResult FileLogStore::saveNewQSOtoLog(const QsoClass &qso)
{
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    // The QSO and its extra fields are stored together or not at all.
    const bool withFields = !qso.extraFields.isEmpty();
    const auto failed = [&database, withFields] {
        const QString error = database.errorMessage();
        diag(QStringLiteral("DB Error while saving new QSO!"));
        diag(QStringLiteral(" Error is:  %1").arg(error));
        if (withFields)
            database.exec(QStringLiteral("rollback transaction"));
        return WriteResult::failed(error);
    };
    if (withFields && (!extrafieldstore::ensure(database) ||
                       !database.exec(QStringLiteral("begin immediate transaction"))))
        return failed();
    db::Statement insert = database.prepare(insertStatement());
    qsorow::bindInsertValues(insert, qso, m_defaults.logDateFormaterStyle());
    if (!insert.run())
        return failed();
    const qint64 rowid = database.lastInsertRowId();
    if (withFields && (!extrafieldstore::Inserter(database).add(rowid, qso.extraFields) ||
                       !database.exec(QStringLiteral("commit transaction"))))
        return failed();
    blank60mEntry(qso);
    return WriteResult::stored(rowid);
}

WriteResult FileLogStore::saveAllQSOsToLog(QsoBatches &batches)
{
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    // One transaction, with the write lock taken at the start (waiting for another program's):
    // a large import takes seconds instead of minutes, and it is in the logbook whole, with the
    // DX info of its entities, or not at all, never with some of its QSOs silently missing.
    const auto failed = [&database](QString error = {}) {
        if (error.isEmpty())
            error = database.errorMessage();
        diag(QStringLiteral("DB Error while saving new QSO!"));
        diag(QStringLiteral(" Error is:  %1").arg(error));
        database.exec(QStringLiteral("rollback transaction"));
        return WriteResult::failed(error);
    };
    // Every index takes a write per QSO at a place of its own: with the pages of all of them in
    // memory, each page is read and written once instead of once per QSO. The connection closes
    // at the end, and the cache with it.
    database.setCacheBytes(
        std::min(kBulkCacheMaxBytes, QFileInfo(m_path).size() + kBulkCacheBytes));
    if (!database.exec(QStringLiteral("begin immediate transaction")))
        return failed();
    QSet<int> entities60m;
    {
        const formats::DateStyle style = m_defaults.logDateFormaterStyle();
        db::Statement insert = database.prepare(insertStatement());
        extrafieldstore::Inserter fields(database);
        bool fieldStore = false;
        for (QList<QsoClass> batch = batches.next(); !batch.isEmpty(); batch = batches.next()) {
            for (const QsoClass &qso : std::as_const(batch)) {
                if (!fieldStore && !qso.extraFields.isEmpty()) {
                    if (!extrafieldstore::ensure(database))
                        return failed();
                    fieldStore = true;
                }
                insert.reset();
                qsorow::bindInsertValues(insert, qso, style);
                if (!insert.run() || !fields.add(database.lastInsertRowId(), qso.extraFields))
                    return failed();
                if (qso.band == QLatin1String("60m"))
                    entities60m.insert(std::abs(qso.adif));
            }
        }
    }
    if (QString error; !FileWorkedStore::refreshDxInfo(database, batches.dxInfoToRefresh(), &error))
        return failed(error);
    if (!database.exec(QStringLiteral("commit transaction")))
        return failed();
    for (const int adif : std::as_const(entities60m))
        if (adif < m_info60m.size())
            m_info60m[adif].clear();
    return WriteResult::stored();
}

WriteResult FileLogStore::oneRowChanged(const db::Database &database, qint64 id)
{
    if (database.changes() > 0)
        return WriteResult::stored();
    return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(id));
}

WriteResult FileLogStore::updateQSOs(const QList<QsoEdit> &edits)
{
    if (std::any_of(edits.cbegin(), edits.cend(),
                    [](const QsoEdit &edit) { return !edit.stored.isStored(); }))
        return WriteResult::notStored();
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    // The columns and the extra fields of every QSO change together or not at all.
    const auto failed = [&database](QString error = {}) {
        if (error.isEmpty())
            error = database.errorMessage();
        diag(QStringLiteral("Error while updating logbook: %1").arg(error));
        database.exec(QStringLiteral("rollback transaction"));
        return WriteResult::failed(error);
    };
    if (!database.exec(QStringLiteral("begin immediate transaction")))
        return failed();
    db::Statement update = database.prepare(qsorow::updateStatement());
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    for (const QsoEdit &edit : edits) {
        const qint64 id = *edit.stored.id;
        update.reset();
        qsorow::bindUpdateValues(update, edit.edited, id, style);
        if (!update.run())
            return failed();
        if (const WriteResult changed = oneRowChanged(database, id); !changed)
            return failed(changed.error);
        if (!extrafieldstore::replace(database, id, edit.edited.extraFields))
            return failed();
    }
    if (!database.exec(QStringLiteral("commit transaction")))
        return failed();
    for (const QsoEdit &edit : edits) {
        blank60mEntry(edit.stored);
        blank60mEntry(edit.edited);
    }
    return WriteResult::stored();
}

WriteResult FileLogStore::updateLogbookField(const QString &column, const QsoClass &qso,
                                             const QString &value)
{
    if (!qso.isStored())
        return WriteResult::notStored();
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    // A column name cannot be a parameter; only a real column of the table is accepted.
    db::Statement update = database.prepare(QStringLiteral("update logbook set \"%1\"=? where id=?")
                                                .arg(QString(column).remove(QLatin1Char('"'))));
    update.bind(1, value).bind(2, *qso.id);
    if (!update.run()) {
        diag(QStringLiteral("Error while updating logbook: %1").arg(database.errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database.errorMessage()));
        return WriteResult::failed(database.errorMessage());
    }
    return oneRowChanged(database, *qso.id);
}

WriteResult FileLogStore::deleteQSO(const QsoClass &qso)
{
    if (!qso.isStored())
        return WriteResult::notStored();
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    db::Statement remove = database.prepare(QStringLiteral("delete from logbook where id=?"));
    remove.bind(1, *qso.id);
    if (!remove.run()) {
        diag(QStringLiteral("Error Deleting QSO: %1").arg(database.errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database.errorMessage()));
        return WriteResult::failed(database.errorMessage());
    }
    blank60mEntry(qso);
    return oneRowChanged(database, *qso.id);
}

WriteResult FileLogStore::deleteAllQsos()
{
    // The DX info texts describe the QSOs; with none left there is nothing to describe.
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    // The extra fields first, in one statement, rather than one QSO at a time by the trigger.
    if (!extrafieldstore::ensure(database) ||
        !database.exec(QStringLiteral("begin; delete from qso_fields; delete from logbook; "
                                      "delete from dxlist; commit;"))) {
        const QString error = database.errorMessage();
        database.exec(QStringLiteral("rollback"));
        return WriteResult::failed(error);
    }
    m_info60m = QStringList(int(m_info60m.size()), QString());
    return WriteResult::stored();
}

WriteResult FileLogStore::runStatement(const QString &statement)
{
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    if (!database.exec(statement)) {
        diag(QStringLiteral("Error updating prefs: ") + database.errorMessage());
        return WriteResult::failed(database.errorMessage());
    }
    return WriteResult::stored();
}

WriteResult FileLogStore::markNewQsosAsClublogOkay()
{
    return runStatement(QStringLiteral("update logbook set clublog = 'X' where clublog = 'W'"));
}

WriteResult FileLogStore::markAllAsClublogOkay()
{
    return runStatement(QStringLiteral("update logbook set clublog = 'X'"));
}

QString FileLogStore::readPrefsForEntry(const QString &entry)
{
    db::Database database;
    if (open(database))
        return {};
    db::Statement select =
        database.prepare(QStringLiteral("select value from prefs where entry=?"));
    select.bind(1, entry);
    return select.step() ? select.text(0) : QString();
}

WriteResult FileLogStore::updatePrefs(const QString &entry, const QString &value)
{
    db::Database database;
    if (std::optional<QString> error = open(database))
        return WriteResult::failed(*error);
    db::Statement replace =
        database.prepare(QStringLiteral("replace into prefs (value, entry) VALUES (?,?)"));
    replace.bind(1, value).bind(2, entry);
    if (!replace.run())
        return WriteResult::failed(database.errorMessage());
    return WriteResult::stored();
}
