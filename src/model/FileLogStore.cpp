#include "model/FileLogStore.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "app/Diagnostics.h"
#include "db/Database.h"
#include "model/QsoRow.h"

#include <QFile>

namespace {

const QString kSelectAll = QStringLiteral("select * from logbook");
// The QSL matches take the earliest logged of several candidates. Without "order by id" the row
// order follows whichever index SQLite picks (the time index once the file has statistics).
constexpr int kLotwWindowSeconds = 60;
constexpr int kEqslWindowSeconds = 3600;

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

bool FileLogStore::open(db::Database &database) const
{
    const int rc = database.open(m_path);
    if (rc != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(rc));
        return false;
    }
    return true;
}

void FileLogStore::addMissingIndexes()
{
    QFile sql(QStringLiteral(":/LogbookIndexes.sql"));
    if (!QFile::exists(m_path) || !sql.open(QIODevice::ReadOnly))
        return;
    db::Database database;
    if (database.open(m_path, db::Database::Mode::ReadWrite) == 0)
        database.exec(QString::fromUtf8(sql.readAll()));
}

QList<QsoClass> FileLogStore::query(const QString &statement,
                                    std::initializer_list<QVariant> values)
{
    db::Database database;
    if (!open(database))
        return {};
    db::Statement select = database.prepare(statement);
    select.bindAll(values);
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    QList<QsoClass> qsos;
    while (select.step())
        qsos.append(qsorow::readRow(select, style));
    return qsos;
}

QList<QsoClass> FileLogStore::getQSOsFromQueryString(const QString &statement)
{
    return query(statement);
}

QList<QsoClass> FileLogStore::getlastQSOs(int rangeCode)
{
    const int year = m_clock.now().date().year();
    const QString since = QStringLiteral(" where datetime>=? order by datetime desc");
    switch (rangeCode) {
    case 1:
        return query(kSelectAll + QStringLiteral(" order by datetime desc limit 2500"));
    case 2:
        return query(kSelectAll + since, {QStringLiteral("%1-01-01 00:00:00").arg(year)});
    case 3:
        return query(kSelectAll + since, {QStringLiteral("%1-01-01 00:00:00").arg(year - 1)});
    case 4:
        return query(kSelectAll + QStringLiteral(" order by datetime desc"));
    default:
        return query(kSelectAll + QStringLiteral(" order by datetime desc limit 500"));
    }
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
    if (!open(database))
        return 0;
    db::Statement count =
        database.prepare(QStringLiteral("select count(*) from logbook where callsign=?"));
    count.bind(1, callsign);
    return count.step() ? static_cast<int>(count.int64(0)) : 0;
}

QString FileLogStore::getLocatorFromLog(const QString &callsign)
{
    db::Database database;
    if (!open(database))
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

QsoClass FileLogStore::getIdAndEqslFromQso(const QsoClass &received)
{
    QsoClass result = received;
    const QList<QsoClass> found = query(
        kSelectAll + QStringLiteral(" where callsign like ? || '%' and datetime>? and datetime<? "
                                    "and band=? and mode=? order by id"),
        {received.callsign, formats::sqlDateTime(received.dateTime.addSecs(-kEqslWindowSeconds)),
         formats::sqlDateTime(received.dateTime.addSecs(kEqslWindowSeconds)), received.band,
         received.mode});
    if (found.isEmpty()) {
        result.rowid = -1;
    } else {
        result.rowid = found.first().rowid;
        result.eqsl = found.first().eqsl;
    }
    return result;
}

std::optional<QsoClass> FileLogStore::getQsoFromLotwQso(const QsoClass &received)
{
    const QList<QsoClass> found = query(
        kSelectAll + QStringLiteral(" where callsign like ? || '%' and datetime>? and datetime<? "
                                    "and band=? order by id"),
        {received.callsign, formats::sqlDateTime(received.dateTime.addSecs(-kLotwWindowSeconds)),
         formats::sqlDateTime(received.dateTime.addSecs(kLotwWindowSeconds)), received.band});
    if (found.isEmpty())
        return std::nullopt;
    if (found.size() > 1)
        diag(QStringLiteral("Multiple QSOs found for %1 at %2")
                 .arg(received.callsign, formats::sqlDateTime(received.dateTime)));
    return found.first();
}

QList<QsoClass> FileLogStore::getNewQSOsForClublog()
{
    return query(kSelectAll + QStringLiteral(" where clublog = 'W' order by datetime"));
}

QList<QsoClass> FileLogStore::getQsos4eQslUpload()
{
    return query(kSelectAll + QStringLiteral(" where eqsl='W' or eqsl='R'"));
}

QList<int> FileLogStore::getDistinctDxccAdifsfromLog()
{
    db::Database database;
    if (!open(database))
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

qint64 FileLogStore::saveNewQSOtoLog(const QsoClass &qso)
{
    db::Database database;
    if (!open(database))
        return 0;
    blank60mEntry(qso);
    db::Statement insert = database.prepare(insertStatement());
    qsorow::bindInsertValues(insert, qso, qsorow::QrgText::Formatted);
    if (!insert.run()) {
        diag(QStringLiteral("DB Error while saving new QSO!"));
        diag(QStringLiteral(" Error is:  %1").arg(database.errorMessage()));
        return 0;
    }
    return database.lastInsertRowId();
}

qsizetype FileLogStore::saveAllQSOsToLog(const QList<QsoClass> &qsos)
{
    db::Database database;
    if (!open(database))
        return 0;
    // One transaction: a large import takes seconds instead of minutes, and a crash leaves the
    // logbook as it was rather than with half a file in it. A row that fails is still only
    // logged and skipped.
    database.exec(QStringLiteral("begin transaction"));
    qsizetype stored = 0;
    db::Statement insert = database.prepare(insertStatement());
    for (const QsoClass &qso : qsos) {
        blank60mEntry(qso);
        insert.reset();
        qsorow::bindInsertValues(insert, qso, qsorow::QrgText::AsPrepared);
        if (insert.run()) {
            ++stored;
        } else {
            diag(QStringLiteral("DB Error while saving new QSO!"));
            diag(QStringLiteral(" Error is:  %1").arg(database.errorMessage()));
        }
    }
    insert = {};
    if (!database.exec(QStringLiteral("commit transaction"))) {
        diag(QStringLiteral("DB Error while saving new QSO!"));
        diag(QStringLiteral(" Error is:  %1").arg(database.errorMessage()));
        return 0;
    }
    return stored;
}

void FileLogStore::updateQSO(const QsoClass &stored, const QsoClass &edited)
{
    db::Database database;
    if (!open(database))
        return;
    blank60mEntry(stored);
    blank60mEntry(edited);
    db::Statement update = database.prepare(qsorow::updateStatement());
    qsorow::bindUpdateValues(update, edited, stored.rowid);
    if (!update.run()) {
        diag(QStringLiteral("Error while updating logbook: %1").arg(database.errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database.errorMessage()));
    }
}

void FileLogStore::updateLogbookField(const QString &column, const QsoClass &qso,
                                      const QString &value)
{
    db::Database database;
    if (!open(database))
        return;
    // A column name cannot be a parameter; only a real column of the table is accepted.
    db::Statement update = database.prepare(QStringLiteral("update logbook set \"%1\"=? where id=?")
                                                .arg(QString(column).remove(QLatin1Char('"'))));
    update.bind(1, value).bind(2, qso.rowid);
    if (!update.run()) {
        diag(QStringLiteral("Error while updating logbook: %1").arg(database.errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database.errorMessage()));
    }
}

void FileLogStore::deleteQSO(const QsoClass &qso)
{
    db::Database database;
    if (!open(database))
        return;
    blank60mEntry(qso);
    db::Statement remove = database.prepare(QStringLiteral("delete from logbook where id=?"));
    remove.bind(1, qso.rowid);
    if (!remove.run()) {
        diag(QStringLiteral("Error Deleting QSO: %1").arg(database.errorMessage()));
        diag(QStringLiteral("Error: %1").arg(database.errorMessage()));
    }
}

std::optional<QString> FileLogStore::runStatement(const QString &statement)
{
    db::Database database;
    if (!open(database))
        return QString();
    if (!database.exec(statement))
        return database.errorMessage();
    return std::nullopt;
}

void FileLogStore::markNewQsosAsClublogOkay()
{
    const auto error =
        runStatement(QStringLiteral("update logbook set clublog = 'X' where clublog = 'W'"));
    if (error && !error->isEmpty())
        diag(QStringLiteral("Error updating prefs: ") + *error);
}

void FileLogStore::markAllAsClublogOkay()
{
    const auto error = runStatement(QStringLiteral("update logbook set clublog = 'X'"));
    if (error && !error->isEmpty())
        diag(QStringLiteral("Error updating prefs: ") + *error);
}

bool FileLogStore::executeCommand(const QString &statement)
{
    const auto error = runStatement(statement);
    if (error && !error->isEmpty())
        diag(QStringLiteral("Error executing '") + statement + QStringLiteral("': ") + *error);
    return !error;
}

QString FileLogStore::readPrefsForEntry(const QString &entry)
{
    db::Database database;
    if (!open(database))
        return {};
    db::Statement select =
        database.prepare(QStringLiteral("select value from prefs where entry=?"));
    select.bind(1, entry);
    return select.step() ? select.text(0) : QString();
}

bool FileLogStore::updatePrefs(const QString &entry, const QString &value, QString *error)
{
    db::Database database;
    if (!open(database))
        return false;
    db::Statement replace =
        database.prepare(QStringLiteral("replace into prefs (value, entry) VALUES (?,?)"));
    replace.bind(1, value).bind(2, entry);
    if (!replace.run()) {
        if (error)
            *error = database.errorMessage();
        return false;
    }
    return true;
}
