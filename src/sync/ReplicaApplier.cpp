#include "sync/ReplicaApplier.h"

#include "formats/TextCoding.h"
#include "sync/ExtraFieldWire.h"
#include "sync/Hlc.h"
#include "sync/LocalReplica.h"
#include "sync/OutboxReader.h"
#include "sync/ReplicaSchema.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

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

ReplicaApplier::ReplicaApplier(db::Database &database, QString device, qint64 nowMs)
    : m_database(database), m_device(std::move(device)), m_nowMs(nowMs),
      m_findId(database.prepare(QStringLiteral("SELECT id FROM sync_qso WHERE uuid = ?"))),
      m_waiting(database.prepare(
          QStringLiteral("SELECT field, changed_ms FROM sync_outbox WHERE uuid = ?"))),
      m_dropWaiting(
          database.prepare(QStringLiteral("DELETE FROM sync_outbox WHERE uuid = ? AND field = ?"))),
      m_noteClock(database.prepare(QStringLiteral("UPDATE sync_qso SET hlc = ? WHERE id = ?"))),
      m_forgetGone(database.prepare(QStringLiteral("DELETE FROM sync_gone WHERE uuid = ?"))),
      m_rememberGone(
          database.prepare(QStringLiteral("INSERT OR IGNORE INTO sync_gone (uuid) VALUES (?)"))),
      m_entity(database.prepare(QStringLiteral("SELECT dxccadif FROM logbook WHERE id = ?"))),
      m_row(database.prepare(
          QStringLiteral("SELECT %1 FROM logbook WHERE id = ?").arg(replicaschema::columnList()))),
      m_deleteRow(database.prepare(QStringLiteral("DELETE FROM logbook WHERE id = ?"))),
      m_forgetUuid(database.prepare(QStringLiteral("DELETE FROM sync_qso WHERE uuid = ?"))),
      m_forgetOutbox(database.prepare(QStringLiteral("DELETE FROM sync_outbox WHERE uuid = ?"))),
      m_addUuid(database.prepare(
          QStringLiteral("INSERT OR REPLACE INTO sync_qso (id, uuid, hlc) VALUES (?, ?, ?)"))),
      m_prefWaiting(database.prepare(
          QStringLiteral("SELECT changed_ms FROM sync_prefs_outbox WHERE entry = ?"))),
      m_dropPrefWaiting(
          database.prepare(QStringLiteral("DELETE FROM sync_prefs_outbox WHERE entry = ?"))),
      m_storePref(
          database.prepare(QStringLiteral("REPLACE INTO prefs (entry, value) VALUES (?, ?)"))),
      m_extras(database.prepare(
          QStringLiteral("SELECT name, value, type FROM qso_fields WHERE qso = ?"))),
      m_setExtra(database.prepare(QStringLiteral(
          "INSERT INTO qso_fields (qso, name, value, type) VALUES (?, ?, ?, ?) ON CONFLICT "
          "(qso, name) DO UPDATE SET value = excluded.value, type = excluded.type"))),
      m_dropExtra(
          database.prepare(QStringLiteral("DELETE FROM qso_fields WHERE qso = ? AND name = ?")))
{
    // Whether the outbox and the list of deleted QSOs hold anything; only this apply changes
    // them meanwhile, and it only removes.
    db::Statement any = database.prepare(
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM sync_outbox), EXISTS (SELECT 1 FROM "
                       "sync_gone)"));
    if (any.step()) {
        m_anyWaiting = any.int64(0) != 0;
        m_anyGone = any.int64(1) != 0;
    }
}

QString ReplicaApplier::localReading(qint64 changedMs) const
{
    return Hlc{OutboxReader::readingMs(changedMs, m_nowMs), 0, m_device}.toText();
}

bool ReplicaApplier::applyQso(const PulledQso &qso)
{
    if (qso.uuid.isEmpty())
        return true;
    const std::optional<qint64> id = localId(qso.uuid);
    const std::optional<QMap<QString, qint64>> waiting = waitingFields(qso.uuid);
    if (!id || !waiting)
        return false;
    if (qso.deleted)
        return remove(*id, qso.uuid);
    // Deleted here and not yet pushed: the server hears of it first, and a deletion wins.
    if (waiting->contains(QStringLiteral("-")))
        return true;
    const QMap<QString, QString> fields = withoutMalformedExtras(qso);
    std::optional<QMap<QString, LocalExtra>> extras = QMap<QString, LocalExtra>();
    if (*id != 0 && hasExtras(fields))
        extras = localExtras(*id);
    if (!extras)
        return false;
    // A field changed here and not yet pushed keeps its value when its change is the later one;
    // when the server's is later, the server's value is taken and the local change dropped, so
    // that a device that loses a field never keeps its own value. A new QSO here (waiting whole)
    // says nothing about kept ADIF fields it does not have: the server's are taken.
    QStringList kept;
    const auto whole = waiting->constFind(QStringLiteral("*"));
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const auto own = waiting->constFind(it.key());
        const bool wholeHere = whole != waiting->cend() &&
                               (!extrawire::isExtraKey(it.key()) || extras->contains(it.key()));
        const bool changedHere = own != waiting->cend() || wholeHere;
        if (!changedHere)
            continue;
        const qint64 changedMs = own != waiting->cend() ? own.value() : whole.value();
        if (localReading(changedMs) > qso.clockOf(it.key())) {
            kept << it.key();
        } else if (own != waiting->cend()) {
            m_dropWaiting.reset();
            m_dropWaiting.bind(1, qso.uuid).bind(2, it.key());
            if (!m_dropWaiting.run())
                return false;
        }
    }
    if (*id != 0) {
        bool found = false;
        const int changedBefore = m_changed;
        if (!update(*id, storedValues<Value>(fields, kept), &found))
            return false;
        if (found) {
            const std::optional<bool> extrasChanged = writeExtras(*id, fields, kept, *extras);
            if (!extrasChanged)
                return false;
            if (*extrasChanged && m_changed == changedBefore)
                ++m_changed;
            if (m_changed != changedBefore)
                m_ids.insert(*id);
            return noteClock(*id, qso.hlc);
        }
    }
    qint64 newId = 0;
    return insert(qso.uuid, storedValues<Value>(fields, {}), qso.hlc, &newId) &&
           writeExtras(newId, fields, {}, {}).has_value();
}

QMap<QString, QString> ReplicaApplier::withoutMalformedExtras(const PulledQso &qso)
{
    QMap<QString, QString> fields = qso.fields;
    for (auto it = fields.begin(); it != fields.end();) {
        const bool malformed = extrawire::isExtraKey(it.key()) &&
                               (!extrawire::nameOf(it.key()) ||
                                (!it.value().isNull() && !extrawire::decode(it.value())));
        if (!malformed) {
            ++it;
            continue;
        }
        // The server is another program's: what it sends is never stored unchecked.
        qWarning("Sync: ignored the field \"%s\" of QSO %s from the server: not a kept ADIF "
                 "field",
                 qPrintable(it.key().left(80)), qPrintable(qso.uuid));
        it = fields.erase(it);
    }
    return fields;
}

bool ReplicaApplier::hasExtras(const QMap<QString, QString> &fields)
{
    return std::any_of(fields.keyBegin(), fields.keyEnd(), extrawire::isExtraKey);
}

std::optional<QMap<QString, ReplicaApplier::LocalExtra>> ReplicaApplier::localExtras(qint64 id)
{
    QMap<QString, LocalExtra> extras;
    m_extras.reset();
    m_extras.bind(1, id);
    while (m_extras.step()) {
        const QString key = extrawire::keyOf(m_extras.text(0));
        if (!key.isEmpty())
            extras.insert(key, {m_extras.text(0), m_extras.text(1), m_extras.text(2)});
    }
    if (m_extras.failed())
        return std::nullopt;
    return extras;
}

std::optional<bool> ReplicaApplier::writeExtras(qint64 id, const QMap<QString, QString> &fields,
                                                const QStringList &kept,
                                                const QMap<QString, LocalExtra> &local)
{
    bool changed = false;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const std::optional<QString> name = extrawire::nameOf(it.key());
        if (!name || kept.contains(it.key()))
            continue;
        const auto here = local.constFind(it.key());
        const std::optional<extrawire::Value> value =
            it.value().isNull() ? std::nullopt : extrawire::decode(it.value());
        if (here != local.cend()) {
            if (value && here->name == *name && here->value == value->value &&
                here->type == value->type)
                continue;
            // Removed, or stored under another spelling of the name: the stored row goes.
            m_dropExtra.reset();
            m_dropExtra.bind(1, id).bind(2, here->name);
            if (!m_dropExtra.run())
                return std::nullopt;
            changed = true;
        }
        if (!value)
            continue;
        m_setExtra.reset();
        m_setExtra.bind(1, id).bind(2, *name).bind(3, value->value).bind(4, value->type);
        if (!m_setExtra.run())
            return std::nullopt;
        changed = true;
    }
    return changed;
}

bool ReplicaApplier::applyPref(const PulledPref &pref)
{
    if (pref.entry.isEmpty() || LocalReplica::isLocalPref(pref.entry))
        return true;
    m_prefWaiting.reset();
    m_prefWaiting.bind(1, pref.entry);
    if (m_prefWaiting.step()) {
        if (localReading(m_prefWaiting.int64(0)) > pref.hlc)
            return true;
        m_dropPrefWaiting.reset();
        m_dropPrefWaiting.bind(1, pref.entry);
        if (!m_dropPrefWaiting.run())
            return false;
    } else if (m_prefWaiting.failed()) {
        return false;
    }
    m_storePref.reset();
    m_storePref.bind(1, pref.entry);
    if (pref.value.isNull())
        m_storePref.bindNull(2);
    else
        m_storePref.bind(2, pref.value);
    if (!m_storePref.run())
        return false;
    ++m_changed;
    return true;
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

std::optional<QMap<QString, qint64>> ReplicaApplier::waitingFields(const QString &uuid)
{
    // A copy that pulls into an empty outbox (the usual case) asks nothing per QSO.
    if (!m_anyWaiting)
        return QMap<QString, qint64>();
    m_waiting.reset();
    m_waiting.bind(1, uuid);
    QMap<QString, qint64> fields;
    while (m_waiting.step())
        fields.insert(m_waiting.text(0), m_waiting.int64(1));
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
        ++m_changed;
        m_ids.insert(id);
    }
    m_forgetUuid.reset();
    m_forgetUuid.bind(1, uuid);
    m_forgetOutbox.reset();
    m_forgetOutbox.bind(1, uuid);
    m_rememberGone.reset();
    m_rememberGone.bind(1, uuid);
    return m_forgetUuid.run() && m_forgetOutbox.run() && m_rememberGone.run();
}

bool ReplicaApplier::noteClock(qint64 id, const QString &hlc)
{
    m_noteClock.reset();
    m_noteClock.bind(1, hlc).bind(2, id);
    return m_noteClock.run();
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
    if (!statement.run())
        return false;
    ++m_changed;
    return !entityChanged || noteEntity(id).has_value();
}

bool ReplicaApplier::insert(const QString &uuid, const QList<Value> &values, const QString &hlc,
                            qint64 *newId)
{
    db::Statement &statement = statementFor(true, values);
    bindValues(statement, values);
    if (!statement.run())
        return false;
    ++m_changed;
    const qint64 id = m_database.lastInsertRowId();
    *newId = id;
    m_ids.insert(id);
    m_addUuid.reset();
    m_addUuid.bind(1, id).bind(2, uuid).bind(3, hlc);
    if (!m_addUuid.run())
        return false;
    if (m_anyGone) {
        m_forgetGone.reset();
        m_forgetGone.bind(1, uuid);
        if (!m_forgetGone.run())
            return false;
    }
    return noteEntity(id).has_value();
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
