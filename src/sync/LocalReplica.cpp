#include "sync/LocalReplica.h"

#include "db/Database.h"
#include "model/LogbookFiles.h"
#include "sync/Hlc.h"
#include "sync/OutboxReader.h"
#include "sync/ReplicaApplier.h"
#include "sync/ReplicaSchema.h"
#include "sync/ReplicaTransaction.h"

#include <QSet>
#include <QStringList>

#include <utility>

namespace logsync {
namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool fail(QString *error, const db::Database &database)
{
    return fail(error, database.errorMessage());
}

bool open(db::Database &database, const QString &path, QString *error,
          db::Database::Mode mode = db::Database::Mode::ReadWrite)
{
    // Never Create: a missing copy is an error, not a new empty file.
    const int rc = database.open(path, mode);
    if (rc != 0)
        return fail(error, QStringLiteral("%1: %2").arg(path, db::Database::describe(rc)));
    LocalReplica::prepareConnection(database);
    return true;
}

QString readState(db::Database &database, const QString &key)
{
    db::Statement select =
        database.prepare(QStringLiteral("SELECT value FROM sync_state WHERE key = ?"));
    select.bind(1, key);
    return select.step() ? select.text(0) : QString();
}

bool writeState(db::Database &database, const QString &key, const QString &value,
                QString *error = nullptr)
{
    db::Statement upsert = database.prepare(QStringLiteral(
        "INSERT INTO sync_state (key, value) VALUES (?, ?) ON CONFLICT (key) DO UPDATE SET "
        "value = excluded.value"));
    upsert.bind(1, key).bind(2, value);
    return upsert.run() || fail(error, database);
}

/** The copy's clock: the stored reading, with the copy's own device. */
Hlc storedClock(db::Database &database)
{
    Hlc clock = Hlc::fromText(readState(database, QStringLiteral("hlc"))).value_or(Hlc{});
    clock.device = readState(database, QStringLiteral("device"));
    return clock;
}

/** False when a column of `logbook` the triggers name is missing: a trigger naming it would
 *  make every later write of the logbook fail. */
bool hasAllColumns(db::Database &database, QString *error)
{
    db::Statement info = database.prepare(QStringLiteral("PRAGMA table_info(logbook)"));
    QStringList present;
    while (info.step())
        present << info.text(1);
    for (const replicaschema::Column &c : replicaschema::columns()) {
        if (!present.contains(QLatin1String(c.name)))
            return fail(error,
                        QStringLiteral("The logbook has no column %1").arg(QLatin1String(c.name)));
    }
    return true;
}

/** Creates each trigger, replaces one that an older version made differently and drops those
 *  no longer made. */
bool installTriggers(db::Database &database, QString *error)
{
    const auto triggers = replicaschema::triggers();
    QSet<QString> names;
    for (const auto &trigger : triggers)
        names.insert(trigger.first);
    db::Statement existing = database.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'sync\\_%' "
        "ESCAPE '\\'"));
    QStringList gone;
    while (existing.step()) {
        if (!names.contains(existing.text(0)))
            gone << existing.text(0);
    }
    for (QString name : gone) {
        if (!database.exec(QStringLiteral("DROP TRIGGER \"%1\"")
                               .arg(name.replace(u'"', QStringLiteral("\"\"")))))
            return fail(error, database);
    }
    db::Statement stored = database.prepare(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name = ?"));
    for (const auto &[name, sql] : triggers) {
        stored.reset();
        stored.bind(1, name);
        const bool same = stored.step() && stored.text(0) == sql;
        const bool failed = stored.failed();
        stored.reset(); // no read of the schema open while it changes
        if (same)
            continue;
        if (failed || !database.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name)) ||
            !database.exec(sql))
            return fail(error, database); // before the statements end: that clears the message
    }
    return true;
}

/** What the program adds to every logbook (the store of kept ADIF fields among it), which the
 *  triggers on `qso_fields` need. */
bool ensureLogbookParts(db::Database &database, QString *error)
{
    if (logbookfiles::addMissingParts(database))
        return true;
    const QString identity = logbookfiles::identityProblem(database);
    return fail(error, identity.isEmpty()
                           ? QStringLiteral("The store of kept ADIF fields cannot be added: %1")
                                 .arg(database.errorMessage())
                           : identity);
}

/** The bookkeeping tables, with the columns added since a copy was made. */
bool ensureTables(db::Database &database, QString *error)
{
    if (!ensureLogbookParts(database, error))
        return false;
    for (const QString &statement : replicaschema::tableStatements()) {
        if (!database.exec(statement))
            return fail(error, database);
    }
    db::Statement columns =
        database.prepare(QStringLiteral("SELECT 1 FROM pragma_table_info('sync_qso') WHERE "
                                        "name = 'hlc'"));
    const bool hasClock = columns.step();
    columns.reset();
    return hasClock || database.exec(QStringLiteral("ALTER TABLE sync_qso ADD COLUMN hlc TEXT")) ||
           fail(error, database);
}

constexpr qsizetype kBulkApply = 200;

/** Drops the triggers that capture QSO changes (of `logbook` and `qso_fields`). */
bool dropLogbookTriggers(db::Database &database)
{
    for (const auto &trigger : replicaschema::triggers()) {
        if ((trigger.first.startsWith(QLatin1String("sync_logbook_")) ||
             trigger.first.startsWith(QLatin1String("sync_fields_"))) &&
            !database.exec(QStringLiteral("DROP TRIGGER %1").arg(trigger.first)))
            return false;
    }
    return true;
}

/** QSOs without a uuid (all of them in a file made a synced copy) get one and go out as new. */
bool adoptExistingQsos(db::Database &database)
{
    const bool adopted =
        database.exec(QStringLiteral("CREATE TEMP TABLE sync_adopted AS SELECT id, %1 AS uuid "
                                     "FROM logbook WHERE id NOT IN (SELECT id FROM sync_qso)")
                          .arg(replicaschema::uuidExpression())) &&
        database.exec(QStringLiteral("INSERT INTO sync_qso (id, uuid) SELECT id, uuid FROM "
                                     "temp.sync_adopted")) &&
        database.exec(QStringLiteral(
            "INSERT INTO sync_outbox (uuid, field, version, changed_ms) "
            "SELECT uuid, '*', (SELECT coalesce(max(version), 0) FROM sync_outbox) + "
            "row_number() OVER (ORDER BY id), "
            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER) FROM temp.sync_adopted"));
    // After a failure the temporary table goes with the connection.
    return adopted && database.exec(QStringLiteral("DROP TABLE temp.sync_adopted"));
}

/** Runs `work` in one write transaction on a connection of its own; commits when it returns
 *  true (having said why in `error` when it returns false). */
bool inTransaction(const QString &path, QString *error,
                   const std::function<bool(db::Database &)> &work)
{
    db::Database database;
    if (!open(database, path, error))
        return false;
    ReplicaTransaction transaction(database);
    if (!transaction.isOpen())
        return fail(error, database);
    return work(database) && (transaction.commit() || fail(error, database));
}

/** Every QSO goes out whole with the latest reading the server had of it (so it cannot beat a
 *  later change of another device), every deletion again, every setting with the earliest
 *  reading (the server keeps a value it has); the cursor starts from 0. */
bool queueEverything(db::Database &database)
{
    const QString version =
        QStringLiteral("(SELECT coalesce(max(version), 0) FROM %1) + row_number() OVER ()");
    return database.exec(
               QStringLiteral("INSERT INTO sync_outbox (uuid, field, version, changed_ms) "
                              "SELECT uuid, '*', %1, coalesce(CAST(substr(hlc, 1, 18) AS "
                              "INTEGER), 1) FROM sync_qso WHERE true "
                              "ON CONFLICT (uuid, field) DO NOTHING")
                   .arg(version.arg(QStringLiteral("sync_outbox")))) &&
           database.exec(
               QStringLiteral("INSERT INTO sync_outbox (uuid, field, version, changed_ms) "
                              "SELECT uuid, '-', %1, 1 FROM sync_gone WHERE true "
                              "ON CONFLICT (uuid, field) DO NOTHING")
                   .arg(version.arg(QStringLiteral("sync_outbox")))) &&
           database.exec(
               QStringLiteral("INSERT INTO sync_prefs_outbox (entry, version, changed_ms) "
                              "SELECT entry, %1, 1 FROM prefs WHERE NOT %2 "
                              "ON CONFLICT (entry) DO NOTHING")
                   .arg(version.arg(QStringLiteral("sync_prefs_outbox")),
                        replicaschema::localPrefCondition(QStringLiteral("entry")))) &&
           writeState(database, QStringLiteral("cursor"), QStringLiteral("0")) &&
           writeState(database, QStringLiteral("cursorKey"), QString());
}

/** Removes what the server took from the outbox (see LocalReplica::confirmPushed). */
bool confirm(db::Database &database, const PushBatch &batch, const PushResult &result,
             QString *error)
{
    db::Statement qso = database.prepare(
        QStringLiteral("DELETE FROM sync_outbox WHERE uuid = ? AND field = ? AND version = ?"));
    db::Statement pref = database.prepare(
        QStringLiteral("DELETE FROM sync_prefs_outbox WHERE entry = ? AND version = ?"));
    for (const OutboxKey &key : batch.keys) {
        db::Statement &statement = key.uuid.isEmpty() ? pref : qso;
        statement.reset();
        if (key.uuid.isEmpty())
            statement.bind(1, key.field).bind(2, key.version);
        else
            statement.bind(1, key.uuid).bind(2, key.field).bind(3, key.version);
        if (!statement.run())
            return fail(error, database);
    }
    // The QSO's latest reading the server now knows, to send it again with should the server
    // lose it.
    db::Statement clock = database.prepare(QStringLiteral(
        "UPDATE sync_qso SET hlc = ?1 WHERE uuid = ?2 AND (hlc IS NULL OR hlc < ?1)"));
    for (const QsoChange &change : batch.qsos) {
        if (change.deleted)
            continue;
        QString latest = change.hlc;
        for (const QString &reading : change.clocks)
            latest = std::max(latest, reading);
        clock.reset();
        clock.bind(1, latest).bind(2, change.uuid);
        if (!clock.run())
            return fail(error, database);
    }
    // When no other device pushed since this copy's last pull, the rows the push numbered are
    // this copy's own changes: the cursor moves past them instead of pulling them back.
    if (readState(database, QStringLiteral("cursor")).toLongLong() == result.before &&
        result.after > result.before &&
        (!writeState(database, QStringLiteral("cursor"), QString::number(result.after), error) ||
         !writeState(database, QStringLiteral("cursorKey"), result.lastKey, error)))
        return false;
    return true;
}

} // namespace

LocalReplica::LocalReplica(QString path) : m_path(std::move(path))
{}

bool LocalReplica::install(QString *error)
{
    return inTransaction(m_path, error, [error](db::Database &database) {
        if (!hasAllColumns(database, error) || !ensureTables(database, error) ||
            !installTriggers(database, error))
            return false;
        if (!adoptExistingQsos(database))
            return fail(error, database);
        return !readState(database, QStringLiteral("device")).isEmpty() ||
               database.exec(QStringLiteral("INSERT INTO sync_state (key, value) VALUES "
                                            "('device', %1)")
                                 .arg(replicaschema::uuidExpression())) ||
               fail(error, database);
    });
}

bool LocalReplica::importQsos(const std::function<bool(db::Database &)> &insert, QString *error)
{
    return inTransaction(m_path, error, [&insert, error](db::Database &database) {
        // Without the triggers each row is written once instead of journaled and captured one by
        // one; the rows are then adopted together, as install() does.
        if (!dropLogbookTriggers(database) || !insert(database) || !adoptExistingQsos(database))
            return fail(error, database);
        return installTriggers(database, error);
    });
}

QString LocalReplica::state(const QString &key) const
{
    return states(nullptr).value_or(QMap<QString, QString>()).value(key);
}

std::optional<QMap<QString, QString>> LocalReplica::states(QString *error) const
{
    // Opened for writing even to read: a journal left by a writer that was killed is rolled back
    // only by a connection that may write.
    db::Database database;
    if (!open(database, m_path, error))
        return std::nullopt;
    db::Statement select = database.prepare(QStringLiteral("SELECT key, value FROM sync_state"));
    QMap<QString, QString> values;
    while (select.step())
        values.insert(select.text(0), select.text(1));
    if (select.failed()) {
        fail(error, database);
        return std::nullopt;
    }
    return values;
}

bool LocalReplica::setState(const QString &key, const QString &value)
{
    db::Database database;
    return open(database, m_path, nullptr) && writeState(database, key, value);
}

int LocalReplica::pendingChanges() const
{
    db::Database database;
    if (!open(database, m_path, nullptr))
        return 0;
    db::Statement count =
        database.prepare(QStringLiteral("SELECT (SELECT count(DISTINCT uuid) FROM sync_outbox) + "
                                        "(SELECT count(*) FROM sync_prefs_outbox)"));
    return count.step() ? int(count.int64(0)) : 0;
}

std::optional<PushBatch> LocalReplica::takeOutbox(int limit, qint64 nowMs, QString *error)
{
    db::Database database;
    if (!open(database, m_path, error))
        return std::nullopt;
    ReplicaTransaction transaction(database);
    if (!transaction.isOpen()) {
        fail(error, database);
        return std::nullopt;
    }
    Hlc clock = storedClock(database);
    if (clock.device.isEmpty()) {
        fail(error, QStringLiteral("The synced log's copy has no device id"));
        return std::nullopt;
    }
    // A clock that ran far ahead once would stamp every later change from the future: start
    // again from now.
    if (clock.ms > nowMs + OutboxReader::kFutureMs)
        clock = Hlc{nowMs, 0, clock.device};
    std::optional<PushBatch> batch = OutboxReader(database).read(limit, nowMs, clock, error);
    if (!batch)
        return std::nullopt;
    // The clock moves on even when the push fails: readings are never handed out twice.
    if (!writeState(database, QStringLiteral("hlc"), clock.toText(), error))
        return std::nullopt;
    if (!transaction.commit()) {
        fail(error, database);
        return std::nullopt;
    }
    return batch;
}

bool LocalReplica::confirmPushed(const PushBatch &batch, const PushResult &result, QString *error)
{
    return inTransaction(m_path, error, [&](db::Database &database) {
        return confirm(database, batch, result, error);
    });
}

bool LocalReplica::upgrade(QString *error)
{
    return inTransaction(m_path, error, [error](db::Database &database) {
        return ensureTables(database, error) && installTriggers(database, error);
    });
}

bool LocalReplica::resendAll(QString *error)
{
    return inTransaction(m_path, error, [error](db::Database &database) {
        return queueEverything(database) || fail(error, database);
    });
}

std::optional<AppliedPage> LocalReplica::applyPulled(const PullPage &page, qint64 nowMs,
                                                     QString *error)
{
    db::Database database;
    if (!open(database, m_path, error))
        return std::nullopt;
    ReplicaTransaction transaction(database);
    // The flag is set inside the transaction, so no other connection ever sees it on.
    if (!transaction.isOpen() ||
        !database.exec(QStringLiteral("UPDATE sync_apply SET applying = 1"))) {
        fail(error, database);
        return std::nullopt;
    }
    // A large page goes in without the logbook's triggers, which would only be skipped for each
    // row but make SQLite journal every insert; they are back before the commit, so no other
    // connection ever sees them missing.
    if (page.qsos.size() >= kBulkApply && !dropLogbookTriggers(database)) {
        fail(error, database);
        return std::nullopt;
    }
    Hlc clock = storedClock(database);
    // A reading far ahead of now (a wrong clock's, stored before the server refused such) would
    // drag this copy's clock along.
    const auto seen = [&clock, nowMs](const QString &text) {
        if (const std::optional<Hlc> reading = Hlc::fromText(text);
            reading && reading->ms <= nowMs + OutboxReader::kFutureMs)
            clock = Hlc::receive(clock, *reading);
    };
    ReplicaApplier applier(database, clock.device, nowMs);
    for (const PulledQso &qso : page.qsos) {
        if (!applier.applyQso(qso)) {
            fail(error, database);
            return std::nullopt;
        }
        seen(qso.hlc);
    }
    for (const PulledPref &pref : page.prefs) {
        if (!applier.applyPref(pref)) {
            fail(error, database);
            return std::nullopt;
        }
        seen(pref.hlc);
    }
    // The cursor never moves back, e.g. for an empty page.
    const qint64 cursor = readState(database, QStringLiteral("cursor")).toLongLong();
    if (page.lastSeq > cursor &&
        (!writeState(database, QStringLiteral("cursor"), QString::number(page.lastSeq), error) ||
         !writeState(database, QStringLiteral("cursorKey"), page.lastKey, error)))
        return std::nullopt;
    if (!writeState(database, QStringLiteral("hlc"), clock.toText(), error) ||
        !installTriggers(database, error))
        return std::nullopt;
    if (!database.exec(QStringLiteral("UPDATE sync_apply SET applying = 0")) ||
        !transaction.commit()) {
        fail(error, database);
        return std::nullopt;
    }
    return AppliedPage{applier.entities(), applier.changed(), applier.ids()};
}

void LocalReplica::prepareConnection(db::Database &database)
{
    database.exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

bool LocalReplica::isLocalPref(const QString &entry)
{
    // ASCII lower case only, as SQLite's lower() in the triggers' copy of this rule.
    QString lower = entry;
    for (QChar &c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower.contains(QLatin1String("password")) || lower.contains(QLatin1String("version")) ||
           entry == QLatin1String("LoTWSigningPW") || entry == QLatin1String("appname") ||
           entry.startsWith(QLatin1String("DxUpdate"));
}

} // namespace logsync
