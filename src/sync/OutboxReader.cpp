#include "sync/OutboxReader.h"

#include <algorithm>

#include "formats/TextCoding.h"
#include "sync/LocalReplica.h"
#include "sync/ReplicaSchema.h"

#include <QSet>
#include <QStringList>

namespace logsync {

std::optional<PushBatch> OutboxReader::read(int limit, qint64 nowMs, Hlc &clock, QString *error)
{
    PushBatch batch;
    if (!readQsos(limit, nowMs, clock, batch) || !readPrefs(nowMs, clock, batch)) {
        if (error)
            *error = m_error;
        return std::nullopt;
    }
    return batch;
}

bool OutboxReader::failed()
{
    // Read while the failed statement is still there: finishing it clears the message.
    m_error = m_database.errorMessage();
    return false;
}

QString OutboxReader::wireValue(const db::Statement &row, int column, bool encoded)
{
    if (row.isNull(column))
        return {};
    const QString stored = row.text(column);
    if (stored.isEmpty())
        return QStringLiteral(""); // '' is a value of its own, not NULL
    if (!encoded)
        return stored;
    const QString plain = formats::percentDecode(stored);
    // Text that another program stored unencoded with a stray '%' decodes to nothing: it travels
    // as stored rather than being lost on every device.
    return plain.isEmpty() ? stored : plain;
}

Hlc OutboxReader::stamp(Hlc &clock, qint64 editedMs, qint64 nowMs)
{
    // A change carries the time it was made (already after every reading seen then), so that of
    // two offline edits the later one wins, not the one pushed last.
    const Hlc reading{editedMs > 0 ? editedMs : nowMs, 0, clock.device};
    clock = std::max(clock, reading);
    return reading;
}

bool OutboxReader::readQsos(int limit, qint64 nowMs, Hlc &clock, PushBatch &batch)
{
    // Along the version index, stopping at the limit: no sort of the whole outbox per page.
    db::Statement oldest =
        m_database.prepare(QStringLiteral("SELECT uuid FROM sync_outbox ORDER BY version"));
    QStringList uuids;
    QSet<QString> seen;
    while (uuids.size() < limit && oldest.step()) {
        const QString uuid = oldest.text(0);
        if (!seen.contains(uuid)) {
            seen.insert(uuid);
            uuids << uuid;
        }
    }
    if (oldest.failed())
        return failed();

    db::Statement fieldsOf = m_database.prepare(
        QStringLiteral("SELECT field, version, changed_ms FROM sync_outbox WHERE uuid = ? "
                       "ORDER BY version"));
    db::Statement rowOf = m_database.prepare(
        QStringLiteral("SELECT %1 FROM logbook WHERE id = (SELECT id FROM sync_qso WHERE uuid = ?)")
            .arg(replicaschema::columnList()));
    const auto columns = replicaschema::columns();
    for (const QString &uuid : uuids) {
        fieldsOf.reset();
        fieldsOf.bind(1, uuid);
        QStringList fields;
        bool whole = false;
        bool deleted = false;
        qint64 editedMs = 0;
        while (fieldsOf.step()) {
            editedMs = std::max(editedMs, fieldsOf.int64(2));
            const QString field = fieldsOf.text(0);
            batch.keys.append({uuid, field, fieldsOf.int64(1)});
            whole = whole || field == QLatin1String("*");
            deleted = deleted || field == QLatin1String("-");
            fields << field;
        }
        if (fieldsOf.failed())
            return failed();

        QsoChange change;
        change.uuid = uuid;
        change.deleted = deleted;
        if (!deleted) {
            rowOf.reset();
            rowOf.bind(1, uuid);
            if (!rowOf.step()) {
                if (rowOf.failed())
                    return failed();
                continue; // the QSO is gone: its keys only clear the outbox
            }
            for (int i = 0; i < int(columns.size()); ++i) {
                const QString name = QLatin1String(columns[i].name);
                if (whole || fields.contains(name))
                    change.fields.insert(name, wireValue(rowOf, i, columns[i].encoded));
            }
            if (change.fields.isEmpty())
                continue;
        }
        change.hlc = stamp(clock, editedMs, nowMs).toText();
        batch.qsos.append(change);
    }
    return true;
}

bool OutboxReader::readPrefs(qint64 nowMs, Hlc &clock, PushBatch &batch)
{
    db::Statement waiting = m_database.prepare(
        QStringLiteral("SELECT o.entry, o.version, p.value, p.entry IS NOT NULL, o.changed_ms FROM "
                       "sync_prefs_outbox o LEFT JOIN prefs p ON p.entry = o.entry "
                       "ORDER BY o.version"));
    while (waiting.step()) {
        const QString entry = waiting.text(0);
        batch.keys.append({QString(), entry, waiting.int64(1)});
        if (waiting.int64(3) == 0 || LocalReplica::isLocalPref(entry))
            continue;
        batch.prefs.append(
            {entry, wireValue(waiting, 2, false), stamp(clock, waiting.int64(4), nowMs).toText()});
    }
    return !waiting.failed() || failed();
}

} // namespace logsync
