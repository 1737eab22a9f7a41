#include "sync/SyncSetup.h"

#include "app/DataFolder.h"
#include "db/Database.h"
#include "model/LogbookFiles.h"
#include "model/QslSession.h"
#include "sync/LocalReplica.h"
#include "sync/PgConnection.h"
#include "sync/ServerAddress.h"
#include "sync/ServerApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace syncsetup {

namespace {

using logsync::PgConnection;

bool connectTo(PgConnection &connection, const QString &address, QString *error)
{
    const auto text = serveraddress::connectionText(address, error);
    return text && connection.open(*text, error);
}

// The logbook's own settings that travel with a copied logbook; passwords stay behind.
const char *const kCopiedPrefs[] = {"UserFieldAdifIdx_1",
                                    "UserFieldAdifIdx_2",
                                    "UserFieldAdifIdx_3",
                                    "UserFieldAdifIdx_4",
                                    "UserFieldRemember_1",
                                    "UserFieldRemember_2",
                                    "UserFieldRemember_3",
                                    "UserFieldRemember_4",
                                    "ClublogCallsign",
                                    "ClublogRealTime",
                                    "ClublogUser",
                                    "UserFieldName_1",
                                    "UserFieldName_2",
                                    "UserFieldName_3",
                                    "UserFieldName_4",
                                    "eQSLuseNote",
                                    "eqslcomment",
                                    "eqsllastqsl",
                                    "eqslqth",
                                    "eqsluser",
                                    "LastLotwQsl_",
                                    "lotwlastqsl",
                                    "lotwlocation",
                                    "lotwmycall",
                                    "lotwowncallonly",
                                    "lotwqsodetails",
                                    "lotwuser",
                                    "mycall",
                                    "mylocator",
                                    "myname"};

/** What copying the rows brought: the QSOs copied and the entities they belong to. */
struct CopiedRows {
    int qsos = 0;
    QList<int> entities;
};

/** Copies the kept ADIF fields of the QSOs just copied (a file made before they were kept has
 *  none). The copies got ids in the order they were inserted, so the n-th QSO of the file in that
 *  order is the n-th of the copy. They go out with their QSOs, which wait as new in the same
 *  transaction: the field triggers stay quiet instead of queueing every field once more. */
bool copyExtraFields(db::Database &database)
{
    db::Statement has = database.prepare(QStringLiteral(
        "SELECT EXISTS (SELECT 1 FROM source.sqlite_master WHERE type = 'table' AND name = "
        "'qso_fields')"));
    if (!has.step())
        return false;
    const bool any = has.int64(0) != 0;
    has.reset();
    return !any ||
           (database.exec(QStringLiteral("UPDATE sync_apply SET applying = 1")) &&
            database.exec(QStringLiteral(
                "INSERT INTO main.qso_fields (qso, name, value, type) "
                "SELECT m.id, f.name, f.value, f.type FROM source.qso_fields f "
                "JOIN (SELECT id, row_number() OVER (ORDER BY datetime, id) AS n FROM "
                "source.logbook) s ON s.id = f.qso "
                "JOIN (SELECT id, row_number() OVER (ORDER BY id) AS n FROM main.logbook) m "
                "ON m.n = s.n")) &&
            database.exec(QStringLiteral("UPDATE sync_apply SET applying = 0")));
}

/** Copies the QSOs and settings in one transaction of one connection; every statement is done
 *  before the connection closes, so no lock outlives it. */
std::optional<CopiedRows> copyRows(const QString &from, const QString &to, QString *error)
{
    // Row by row in SQL, so the copy's triggers record every QSO and setting for the server and
    // the stored texts arrive exactly as they are in the file.
    db::Database database;
    if (const int code = database.open(to, db::Database::Mode::ReadWrite); code != 0) {
        *error = QStringLiteral("Cannot open the synced log: %1").arg(db::Database::describe(code));
        return std::nullopt;
    }
    const auto failed = [&](const QString &what) -> std::optional<CopiedRows> {
        *error = QStringLiteral("%1: %2").arg(what, database.errorMessage());
        return std::nullopt;
    };
    db::Statement attach = database.prepare(QStringLiteral("ATTACH DATABASE ? AS source"));
    attach.bind(1, from);
    if (!attach.run() || !database.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QStringLiteral("Cannot read %1").arg(from));
    db::Statement any =
        database.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM main.logbook)"));
    if (!any.step())
        return failed(QStringLiteral("Cannot read the synced log"));
    const bool holdsQsos = any.int64(0) != 0;
    any.reset();
    if (holdsQsos) {
        *error = QStringLiteral("The synced log already holds QSOs: copying this logbook into it "
                                "would double them");
        return std::nullopt;
    }
    // An older logbook may lack the columns added since; the id is each file's own.
    QStringList columns;
    db::Statement shared = database.prepare(QStringLiteral(
        "SELECT name FROM pragma_table_info('logbook', 'main') WHERE name <> 'id' AND name IN "
        "(SELECT name FROM pragma_table_info('logbook', 'source')) ORDER BY cid"));
    while (shared.step())
        columns << QLatin1Char('"') + shared.text(0) + QLatin1Char('"');
    if (shared.failed() || columns.isEmpty())
        return failed(QStringLiteral("%1 is not a logbook").arg(from));
    // QSOs never sent to Club Log wait for it in the synced log too.
    QStringList values = columns;
    if (const qsizetype clublog = columns.indexOf(QStringLiteral("\"clublog\"")); clublog >= 0)
        values[clublog] = QStringLiteral("CASE WHEN clublog IS NULL OR clublog = '' THEN 'W' "
                                         "ELSE clublog END");
    // Oldest first, as they were logged.
    if (!database.exec(QStringLiteral("INSERT INTO main.logbook (%1) SELECT %2 FROM source.logbook "
                                      "ORDER BY datetime, id")
                           .arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')))))
        return failed(QStringLiteral("Cannot copy the QSOs"));
    CopiedRows rows;
    rows.qsos = database.changes();
    if (!copyExtraFields(database))
        return failed(QStringLiteral("Cannot copy the QSOs' ADIF fields"));
    db::Statement setting = database.prepare(
        QStringLiteral("REPLACE INTO main.prefs (entry, value) SELECT entry, value FROM "
                       "source.prefs WHERE entry = ? AND value IS NOT NULL AND value <> ''"));
    for (const char *entry : kCopiedPrefs) {
        setting.bind(1, QString::fromLatin1(entry));
        if (!setting.run())
            return failed(QStringLiteral("Cannot copy the settings"));
        setting.reset();
    }
    db::Statement distinct = database.prepare(
        QStringLiteral("SELECT DISTINCT abs(dxccadif) FROM main.logbook WHERE dxccadif <> 0"));
    while (distinct.step())
        rows.entities << int(distinct.int64(0));
    if (distinct.failed() || !database.exec(QStringLiteral("COMMIT")))
        return failed(QStringLiteral("Cannot write the synced log"));
    return rows;
}

} // namespace

std::optional<QString> copyPath(const DataFolder &folder)
{
    const QString path = folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
    return QFile::exists(path) ? std::optional<QString>(path) : std::nullopt;
}

bool initServer(const QString &address, QString *error)
{
    PgConnection connection;
    return connectTo(connection, address, error) &&
           logsync::serverapi::installSchema(connection, error);
}

bool join(const DataFolder &folder, const QString &address, const QString &logbook, QString *error)
{
    if (logbook.trimmed().isEmpty()) {
        *error = QStringLiteral("A synced logbook needs a name");
        return false;
    }
    PgConnection connection;
    if (!connectTo(connection, address, error))
        return false;
    const auto id = logsync::serverapi::joinLogbook(connection, logbook, error);
    if (!id)
        return false;

    const QString server = serveraddress::withoutPassword(address);
    const QString path = folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
    if (QFile::exists(path)) {
        logsync::LocalReplica old(path);
        const bool same = old.state(QStringLiteral("server")) == server &&
                          old.state(QStringLiteral("logbookId")) == QString::number(*id);
        if (same)
            return true;
        if (const int pending = old.pendingChanges(); pending > 0) {
            *error = QStringLiteral("The synced log on this device has %1 changes its server has "
                                    "not received; sync it before joining another")
                         .arg(pending);
            return false;
        }
        if (!QFile::remove(path)) {
            *error = QStringLiteral("Cannot replace %1").arg(path);
            return false;
        }
    }
    QDir().mkpath(QFileInfo(path).path());
    if (!folder.copyResourceIfMissing(QString::fromLatin1(logbookfiles::kEmptyLog),
                                      QString::fromLatin1(logbookfiles::kSyncedCopy))) {
        *error = QStringLiteral("Cannot create %1").arg(path);
        return false;
    }
    logsync::LocalReplica copy(path);
    if (copy.install(error) && copy.setState(QStringLiteral("server"), server) &&
        copy.setState(QStringLiteral("logbook"), logbook) &&
        copy.setState(QStringLiteral("logbookId"), QString::number(*id)))
        return true;
    if (error->isEmpty())
        *error = QStringLiteral("Cannot write %1").arg(path);
    QFile::remove(path);
    return false;
}

std::optional<int> copyLogbook(const QString &from, const QString &to, formats::DateStyle style,
                               QString *error)
{
    const std::optional<CopiedRows> rows = copyRows(from, to, error);
    if (!rows)
        return std::nullopt;
    // The DX info texts are worked out from the copied QSOs, not taken over.
    QslSession session(to, style);
    if (!session.isOpen()) {
        *error = session.error();
        return std::nullopt;
    }
    for (const int adif : rows->entities)
        if (const WriteResult refreshed = session.refreshDxInfo(adif, {}); !refreshed) {
            *error = refreshed.error;
            return std::nullopt;
        }
    if (const WriteResult committed = session.commit(); !committed) {
        *error = committed.error;
        return std::nullopt;
    }
    return rows->qsos;
}

} // namespace syncsetup
