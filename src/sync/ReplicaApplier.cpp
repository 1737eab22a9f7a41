#include "sync/ReplicaApplier.h"

#include "formats/TextCoding.h"
#include "sync/LocalReplica.h"
#include "sync/ReplicaSchema.h"

#include <cstdlib>
#include <limits>

namespace logsync {
namespace {

const int kEntityColumn = replicaschema::columnIndex(QStringLiteral("dxccadif"));

/** The known columns among `fields`, with their values as stored (free text encoded), except
 *  `skipped`. Names that are not columns are ignored: the server is outside the program. */
template <typename Value>
QList<Value> storedValues(const QMap<QString, QString> &fields, const QStringList &skipped)
{
    const auto columns = replicaschema::columns();
    QList<Value> values;
    values.reserve(fields.size());
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const int column = replicaschema::columnIndex(it.key());
        if (column < 0 || skipped.contains(it.key()))
            continue;
        const QString &value = it.value();
        values.append({column, columns[column].encoded && !value.isNull()
                                   ? formats::percentEncode(value)
                                   : value});
    }
    return values;
}

void bindValues(db::Statement &statement, const auto &values)
{
    int position = 1;
    for (const auto &value : values) {
        if (value.stored.isNull())
            statement.bindNull(position);
        else
            statement.bind(position, value.stored);
        ++position;
    }
}

} // namespace

ReplicaApplier::ReplicaApplier(db::Database &database)
    : m_database(database),
      m_findId(database.prepare(QStringLiteral("SELECT id FROM sync_qso WHERE uuid = ?"))),
      m_waiting(database.prepare(QStringLiteral("SELECT field FROM sync_outbox WHERE uuid = ?"))),
      m_entity(database.prepare(QStringLiteral("SELECT dxccadif FROM logbook WHERE id = ?"))),
      m_row(database.prepare(
          QStringLiteral("SELECT %1 FROM logbook WHERE id = ?").arg(replicaschema::columnList()))),
      m_deleteRow(database.prepare(QStringLiteral("DELETE FROM logbook WHERE id = ?"))),
      m_forgetUuid(database.prepare(QStringLiteral("DELETE FROM sync_qso WHERE uuid = ?"))),
      m_forgetOutbox(database.prepare(QStringLiteral("DELETE FROM sync_outbox WHERE uuid = ?"))),
      m_addUuid(database.prepare(
          QStringLiteral("INSERT OR REPLACE INTO sync_qso (id, uuid) VALUES (?, ?)"))),
      m_prefWaiting(
          database.prepare(QStringLiteral("SELECT 1 FROM sync_prefs_outbox WHERE entry = ?"))),
      m_storePref(
          database.prepare(QStringLiteral("REPLACE INTO prefs (entry, value) VALUES (?, ?)")))
{}

bool ReplicaApplier::applyQso(const PulledQso &qso)
{
    if (qso.uuid.isEmpty())
        return true;
    const std::optional<qint64> id = localId(qso.uuid);
    const std::optional<QStringList> waiting = waitingFields(qso.uuid);
    if (!id || !waiting)
        return false;
    if (qso.deleted)
        return remove(*id, qso.uuid);
    // Waiting to go out whole, or deleted here and not yet pushed: the server hears of it first.
    if (waiting->contains(QLatin1String("*")) || waiting->contains(QLatin1String("-")))
        return true;
    if (*id != 0) {
        bool found = false;
        if (!update(*id, storedValues<Value>(qso.fields, *waiting), &found))
            return false;
        if (found)
            return true;
    }
    return insert(qso.uuid, storedValues<Value>(qso.fields, {}));
}

bool ReplicaApplier::applyPref(const PulledPref &pref)
{
    if (pref.entry.isEmpty() || LocalReplica::isLocalPref(pref.entry))
        return true;
    m_prefWaiting.reset();
    m_prefWaiting.bind(1, pref.entry);
    if (m_prefWaiting.step())
        return true;
    if (m_prefWaiting.failed())
        return false;
    m_storePref.reset();
    m_storePref.bind(1, pref.entry);
    if (pref.value.isNull())
        m_storePref.bindNull(2);
    else
        m_storePref.bind(2, pref.value);
    return m_storePref.run();
}

std::optional<qint64> ReplicaApplier::localId(const QString &uuid)
{
    m_findId.reset();
    m_findId.bind(1, uuid);
    if (m_findId.step())
        return m_findId.int64(0);
    if (m_findId.failed())
        return std::nullopt;
    return 0;
}

std::optional<QStringList> ReplicaApplier::waitingFields(const QString &uuid)
{
    m_waiting.reset();
    m_waiting.bind(1, uuid);
    QStringList fields;
    while (m_waiting.step())
        fields << m_waiting.text(0);
    if (m_waiting.failed())
        return std::nullopt;
    return fields;
}

std::optional<bool> ReplicaApplier::noteEntity(qint64 id)
{
    m_entity.reset();
    m_entity.bind(1, id);
    if (!m_entity.step())
        return m_entity.failed() ? std::nullopt : std::optional<bool>(false);
    noteEntity(m_entity, 0);
    return true;
}

void ReplicaApplier::noteEntity(const db::Statement &row, int column)
{
    // Stored negative when the operation does not count; the entity is the same.
    if (row.isNull(column))
        return;
    const qint64 number = std::llabs(row.int64(column));
    if (number != 0 && number <= std::numeric_limits<int>::max())
        m_entities.insert(int(number));
}

bool ReplicaApplier::remove(qint64 id, const QString &uuid)
{
    if (id != 0) {
        if (!noteEntity(id))
            return false;
        m_deleteRow.reset();
        m_deleteRow.bind(1, id);
        if (!m_deleteRow.run())
            return false;
    }
    m_forgetUuid.reset();
    m_forgetUuid.bind(1, uuid);
    m_forgetOutbox.reset();
    m_forgetOutbox.bind(1, uuid);
    return m_forgetUuid.run() && m_forgetOutbox.run();
}

bool ReplicaApplier::update(qint64 id, const QList<Value> &values, bool *found)
{
    m_row.reset();
    m_row.bind(1, id);
    *found = m_row.step();
    if (!*found)
        return !m_row.failed();
    noteEntity(m_row, kEntityColumn);
    // Only what differs is written: a device pulls its own changes back, and an unchanged
    // column costs no index writes.
    QList<Value> changed;
    bool entityChanged = false;
    for (const Value &value : values) {
        const bool same = m_row.isNull(value.column)
                              ? value.stored.isNull()
                              : !value.stored.isNull() && m_row.text(value.column) == value.stored;
        if (same)
            continue;
        changed.append(value);
        entityChanged = entityChanged || value.column == kEntityColumn;
    }
    if (changed.isEmpty())
        return true;
    db::Statement &statement = statementFor(false, changed);
    bindValues(statement, changed);
    statement.bind(int(changed.size()) + 1, id);
    return statement.run() && (!entityChanged || noteEntity(id).has_value());
}

bool ReplicaApplier::insert(const QString &uuid, const QList<Value> &values)
{
    db::Statement &statement = statementFor(true, values);
    bindValues(statement, values);
    if (!statement.run())
        return false;
    const qint64 id = m_database.lastInsertRowId();
    m_addUuid.reset();
    m_addUuid.bind(1, id).bind(2, uuid);
    return m_addUuid.run() && noteEntity(id).has_value();
}

db::Statement &ReplicaApplier::statementFor(bool insert, const QList<Value> &values)
{
    quint64 mask = 0;
    for (const Value &value : values)
        mask |= quint64(1) << value.column;
    auto it = m_statements.find({insert, mask});
    if (it == m_statements.end()) {
        const auto columns = replicaschema::columns();
        QStringList names;
        QStringList marks;
        for (const Value &value : values) {
            names << QLatin1String(columns[value.column].name) +
                         (insert ? QString() : QStringLiteral(" = ?"));
            marks << QStringLiteral("?");
        }
        QString sql;
        if (!insert)
            sql = QStringLiteral("UPDATE logbook SET %1 WHERE id = ?").arg(names.join(u','));
        else if (values.isEmpty())
            sql = QStringLiteral("INSERT INTO logbook DEFAULT VALUES");
        else
            sql = QStringLiteral("INSERT INTO logbook (%1) VALUES (%2)")
                      .arg(names.join(u','), marks.join(u','));
        it = m_statements.emplace(std::make_pair(insert, mask), m_database.prepare(sql)).first;
    }
    it->second.reset();
    return it->second;
}

} // namespace logsync
