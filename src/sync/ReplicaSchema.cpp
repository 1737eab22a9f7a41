#include "sync/ReplicaSchema.h"

#include <QHash>

#include <array>

namespace logsync::replicaschema {
namespace {

// The file's own column order; a new column of `logbook` is added here as well.
constexpr std::array<Column, 38> kColumns{{
    {"date", false, false},      {"time", false, false},      {"callsign", false, false},
    {"band", false, false},      {"qrg", false, false},       {"mode", false, false},
    {"rsttx", false, false},     {"rstrx", false, false},     {"qsl", false, false},
    {"lotwqsl", false, false},   {"eqsl", false, false},      {"dxcc", false, false},
    {"cq", false, false},        {"itu", false, false},       {"cnt", false, false},
    {"state", false, false},     {"note", false, true},       {"locator", false, false},
    {"manager", false, true},    {"qslindate", false, false}, {"qsloutdate", false, false},
    {"datetime", false, false},  {"iota", false, false},      {"satname", false, false},
    {"satmode", false, false},   {"satrxband", false, false}, {"power", false, false},
    {"dxccadif", true, false},   {"name", false, true},       {"qth", false, true},
    {"prefix", false, false},    {"county", false, true},     {"clublog", false, false},
    {"arrlcredit", true, false}, {"user_1", false, true},     {"user_2", false, true},
    {"user_3", false, true},     {"user_4", false, true},
}};

const QString kApplyingOff = QStringLiteral("coalesce((SELECT applying FROM sync_apply), 0) = 0");
// When a change is made: the wall clock, but always after every clock reading this copy has seen
// (the stored clock's milliseconds), so an edit made after pulling another device's change wins
// over it even when this device's clock is behind.
const QString kNowMs = QStringLiteral(
    "max(CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER), "
    "ifnull(CAST(substr((SELECT value FROM sync_state WHERE key = 'hlc'), 1, 18) AS INTEGER), "
    "0) + 1)");

QString nextVersion(const QString &table)
{
    // A bare max() is read from the version index; wrapped in another function it would scan
    // the whole outbox for every change.
    return QStringLiteral("(coalesce((SELECT max(version) FROM %1), 0) + 1)").arg(table);
}

/** The outbox row (uuid of the QSO with id `idExpr`, the field named by the SQL expression
 *  `fieldExpr`) written or moved to a new version; only when `condition` holds, if given. */
QString outboxUpsert(const QString &fieldExpr, const QString &idExpr, const QString &condition = {})
{
    return QStringLiteral("INSERT INTO sync_outbox (uuid, field, version, changed_ms) "
                          "SELECT q.uuid, %1, %2, %3 FROM sync_qso q WHERE q.id = %4%5 "
                          "ON CONFLICT (uuid, field) DO UPDATE SET version = excluded.version, "
                          "changed_ms = excluded.changed_ms;\n")
        .arg(fieldExpr, nextVersion(QStringLiteral("sync_outbox")), kNowMs, idExpr,
             condition.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(condition));
}

/** A column's name as an SQL text literal (the names come from kColumns). */
QString literal(const QString &name)
{
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

/** The outbox field of the kept ADIF field whose name is the SQL expression `name`: "adif:" and
 *  the name in lower case (see ExtraFieldWire.h). */
QString extraKey(const QString &name)
{
    return QStringLiteral("'adif:' || lower(%1)").arg(name);
}

QString insertTrigger()
{
    // VALUES rather than a SELECT: an INSERT … SELECT that reads its own table (the version)
    // goes through a temporary table, for every QSO.
    return QStringLiteral("CREATE TRIGGER sync_logbook_insert AFTER INSERT ON logbook WHEN %1\n"
                          "BEGIN\n"
                          "INSERT OR REPLACE INTO sync_qso (id, uuid) VALUES (NEW.id, %2);\n"
                          "INSERT INTO sync_outbox (uuid, field, version, changed_ms) VALUES "
                          "((SELECT uuid FROM sync_qso WHERE id = NEW.id), '*', %3, %4) "
                          "ON CONFLICT (uuid, field) DO UPDATE SET version = excluded.version, "
                          "changed_ms = excluded.changed_ms;\n"
                          "END")
        .arg(kApplyingOff, uuidExpression(), nextVersion(QStringLiteral("sync_outbox")), kNowMs);
}

/** Runs before the column triggers, so that they find the QSO under its new id. */
QString idTrigger()
{
    return QStringLiteral("CREATE TRIGGER sync_logbook_id BEFORE UPDATE OF id ON logbook WHEN "
                          "OLD.id IS NOT NEW.id\n"
                          "BEGIN\n"
                          "UPDATE sync_qso SET id = NEW.id WHERE id = OLD.id;\n"
                          "END");
}

/** One trigger per column: a statement fires only those of the columns it sets, and a row fires
 *  only those whose value changed. Each field waits with the time of its own change, also in a
 *  new QSO not pushed yet: a push that reached the server but was never confirmed sends the new
 *  QSO again with its first reading, which cannot overwrite another device's later change. */
QString columnTrigger(const QString &name)
{
    return QStringLiteral("CREATE TRIGGER sync_logbook_update_%1 AFTER UPDATE OF %1 ON logbook "
                          "WHEN OLD.%1 IS NOT NEW.%1 AND %2\n"
                          "BEGIN\n"
                          "%3"
                          "END")
        .arg(name, kApplyingOff, outboxUpsert(literal(name), QStringLiteral("NEW.id")));
}

QString deleteTrigger()
{
    return QStringLiteral(
               "CREATE TRIGGER sync_logbook_delete AFTER DELETE ON logbook WHEN %1\n"
               "BEGIN\n"
               "DELETE FROM sync_outbox WHERE uuid = (SELECT uuid FROM sync_qso WHERE id = "
               "OLD.id);\n"
               "%2"
               // Remembered, so the deletion can be sent again to a server that lost it.
               "INSERT OR IGNORE INTO sync_gone (uuid) SELECT uuid FROM sync_qso WHERE id = "
               "OLD.id;\n"
               "DELETE FROM sync_qso WHERE id = OLD.id;\n"
               "END")
        .arg(kApplyingOff, outboxUpsert(literal(QStringLiteral("-")), QStringLiteral("OLD.id")));
}

// The kept ADIF fields (`qso_fields`) wait in the outbox one by one, as columns do, each with the
// time of its own change. A new QSO's fields go out with it all the same (see OutboxReader).

QString fieldInsertTrigger()
{
    return QStringLiteral("CREATE TRIGGER sync_fields_insert AFTER INSERT ON qso_fields WHEN %1\n"
                          "BEGIN\n"
                          "%2"
                          "END")
        .arg(kApplyingOff,
             outboxUpsert(extraKey(QStringLiteral("NEW.name")), QStringLiteral("NEW.qso")));
}

/** A renamed field, or one moved to another QSO, also goes out as removed from where it was. A
 *  renumbered QSO (the logbook's own trigger moves its fields) sends nothing: its uuid already
 *  went with the new id, so the old id finds none, and the fields are as they were. */
QString fieldUpdateTrigger()
{
    const QString renamed = QStringLiteral("lower(OLD.name) IS NOT lower(NEW.name)");
    return QStringLiteral("CREATE TRIGGER sync_fields_update AFTER UPDATE ON qso_fields WHEN %1 "
                          "AND (OLD.value IS NOT NEW.value OR OLD.type IS NOT NEW.type OR "
                          "OLD.name IS NOT NEW.name OR OLD.qso IS NOT NEW.qso)\n"
                          "BEGIN\n"
                          "%2%3"
                          "END")
        .arg(kApplyingOff,
             outboxUpsert(extraKey(QStringLiteral("OLD.name")), QStringLiteral("OLD.qso"),
                          QStringLiteral("OLD.qso IS NOT NEW.qso OR %1").arg(renamed)),
             outboxUpsert(extraKey(QStringLiteral("NEW.name")), QStringLiteral("NEW.qso"),
                          QStringLiteral("OLD.value IS NOT NEW.value OR OLD.type IS NOT NEW.type "
                                         "OR %1 OR (OLD.qso IS NOT NEW.qso AND EXISTS (SELECT 1 "
                                         "FROM sync_qso o WHERE o.id = OLD.qso))")
                              .arg(renamed)));
}

/** Only while the QSO is there: the fields of a deleted QSO go with it (the logbook's own
 *  trigger), and the deletion alone is sent. */
QString fieldDeleteTrigger()
{
    return QStringLiteral("CREATE TRIGGER sync_fields_delete AFTER DELETE ON qso_fields WHEN %1 "
                          "AND EXISTS (SELECT 1 FROM logbook l WHERE l.id = OLD.qso)\n"
                          "BEGIN\n"
                          "%2"
                          "END")
        .arg(kApplyingOff,
             outboxUpsert(extraKey(QStringLiteral("OLD.name")), QStringLiteral("OLD.qso")));
}

QString prefsUpsert()
{
    return QStringLiteral("INSERT INTO sync_prefs_outbox (entry, version, changed_ms) "
                          "VALUES (NEW.entry, %1, %2) ON CONFLICT (entry) DO UPDATE SET "
                          "version = excluded.version, changed_ms = excluded.changed_ms;\n")
        .arg(nextVersion(QStringLiteral("sync_prefs_outbox")), kNowMs);
}

// Settings are written with "replace into", which deletes and inserts: before the insert the
// stored value is still there, so storing the same value again sends nothing.
QString prefsInsertTrigger()
{
    return QStringLiteral("CREATE TRIGGER sync_prefs_insert BEFORE INSERT ON prefs WHEN %1 AND "
                          "NOT %2 AND NOT EXISTS (SELECT 1 FROM prefs p WHERE p.entry = "
                          "NEW.entry AND p.value IS NEW.value)\n"
                          "BEGIN\n"
                          "%3"
                          "END")
        .arg(kApplyingOff, localPrefCondition(QStringLiteral("NEW.entry")), prefsUpsert());
}

QString prefsUpdateTrigger()
{
    return QStringLiteral("CREATE TRIGGER sync_prefs_update AFTER UPDATE ON prefs WHEN %1 AND "
                          "NOT %2 AND (OLD.value IS NOT NEW.value OR OLD.entry IS NOT "
                          "NEW.entry)\n"
                          "BEGIN\n"
                          "%3"
                          "END")
        .arg(kApplyingOff, localPrefCondition(QStringLiteral("NEW.entry")), prefsUpsert());
}

} // namespace

std::span<const Column> columns()
{
    return kColumns;
}

int columnIndex(const QString &name)
{
    static const QHash<QString, int> indexes = [] {
        QHash<QString, int> map;
        for (int i = 0; i < int(kColumns.size()); ++i)
            map.insert(QLatin1String(kColumns[i].name), i);
        return map;
    }();
    return indexes.value(name, -1);
}

QString columnList()
{
    QStringList names;
    for (const Column &c : kColumns)
        names << QLatin1String(c.name);
    return names.join(QLatin1Char(','));
}

QString uuidExpression()
{
    // Version 4: the version nibble is 4 and the variant's two high bits are 10.
    return QStringLiteral(
        "(lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' || "
        "substr(lower(hex(randomblob(2))), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) "
        "|| substr(lower(hex(randomblob(2))), 2) || '-' || lower(hex(randomblob(6))))");
}

QString localPrefCondition(const QString &entry)
{
    // lower() and instr() rather than LIKE, whose case rule a connection may change.
    return QStringLiteral("(instr(lower(%1), 'password') > 0 OR instr(lower(%1), 'version') > 0 "
                          "OR %1 IN ('LoTWSigningPW', 'appname') OR substr(%1, 1, 8) = "
                          "'DxUpdate')")
        .arg(entry);
}

QStringList tableStatements()
{
    return {
        // hlc: the latest clock reading of the QSO known to be on the server.
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_qso (id INTEGER PRIMARY KEY, "
                       "uuid TEXT NOT NULL UNIQUE, hlc TEXT)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_gone (uuid TEXT PRIMARY KEY)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_outbox (uuid TEXT NOT NULL, field TEXT "
                       "NOT NULL, version INTEGER NOT NULL, changed_ms INTEGER, "
                       "PRIMARY KEY (uuid, field))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS sync_outbox_version ON sync_outbox (version)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_prefs_outbox (entry TEXT PRIMARY KEY, "
                       "version INTEGER NOT NULL, changed_ms INTEGER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS sync_prefs_outbox_version ON "
                       "sync_prefs_outbox (version)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_state (key TEXT PRIMARY KEY, value TEXT)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sync_apply (applying INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO sync_apply (applying) SELECT 0 WHERE NOT EXISTS "
                       "(SELECT 1 FROM sync_apply)"),
    };
}

QList<std::pair<QString, QString>> triggers()
{
    QList<std::pair<QString, QString>> list{
        {QStringLiteral("sync_logbook_insert"), insertTrigger()},
        {QStringLiteral("sync_logbook_id"), idTrigger()},
        {QStringLiteral("sync_logbook_delete"), deleteTrigger()},
        {QStringLiteral("sync_fields_insert"), fieldInsertTrigger()},
        {QStringLiteral("sync_fields_update"), fieldUpdateTrigger()},
        {QStringLiteral("sync_fields_delete"), fieldDeleteTrigger()},
        {QStringLiteral("sync_prefs_insert"), prefsInsertTrigger()},
        {QStringLiteral("sync_prefs_update"), prefsUpdateTrigger()},
    };
    for (const Column &c : kColumns) {
        const QString name = QLatin1String(c.name);
        list.append({QStringLiteral("sync_logbook_update_") + name, columnTrigger(name)});
    }
    return list;
}

} // namespace logsync::replicaschema
