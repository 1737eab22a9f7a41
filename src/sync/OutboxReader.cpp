#include "sync/OutboxReader.h"

#include <algorithm>

#include "formats/TextCoding.h"
#include "sync/ExtraFieldWire.h"
#include "sync/LocalReplica.h"
#include "sync/ReplicaSchema.h"

#include <QMap>
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

qint64 OutboxReader::readingMs(qint64 editedMs, qint64 nowMs)
{
    // A time far ahead of now came from a clock that was wrong then; the server would refuse it
    // for good, so the change goes out as made now.
    return editedMs <= 0 || editedMs > nowMs + kFutureMs ? nowMs : editedMs;
}

Hlc OutboxReader::stamp(Hlc &clock, qint64 editedMs, qint64 nowMs)
{
    // A change carries the time it was made (already after every reading seen then), so that of
    // two offline edits the later one wins, not the one pushed last.
    const Hlc reading{readingMs(editedMs, nowMs), 0, clock.device};
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
    db::Statement extrasOf = m_database.prepare(
        QStringLiteral("SELECT name, value, type FROM qso_fields WHERE qso = (SELECT id FROM "
                       "sync_qso WHERE uuid = ?)"));
    const auto columns = replicaschema::columns();
    for (const QString &uuid : uuids) {
        fieldsOf.reset();
        fieldsOf.bind(1, uuid);
        // Each field with the reading of its own change; "*" (a new QSO: every column) and "-"
        // (deleted) with theirs.
        QMap<QString, QString> stamps;
        while (fieldsOf.step()) {
            const QString field = fieldsOf.text(0);
            batch.keys.append({uuid, field, fieldsOf.int64(1)});
            stamps.insert(field, stamp(clock, fieldsOf.int64(2), nowMs).toText());
        }
        if (fieldsOf.failed())
            return failed();

        QsoChange change;
        change.uuid = uuid;
        change.deleted = stamps.contains(QStringLiteral("-"));
        if (change.deleted) {
            change.hlc = stamps.value(QStringLiteral("-"));
            batch.qsos.append(change);
            continue;
        }
        rowOf.reset();
        rowOf.bind(1, uuid);
        if (!rowOf.step()) {
            if (rowOf.failed())
                return failed();
            continue; // the QSO is gone: its keys only clear the outbox
        }
        const QString whole = stamps.value(QStringLiteral("*"));
        // The reading most fields share: the new QSO's, else the latest of the changed fields.
        change.hlc = whole.isEmpty() ? *std::max_element(stamps.cbegin(), stamps.cend()) : whole;
        for (int i = 0; i < int(columns.size()); ++i) {
            const QString name = QLatin1String(columns[i].name);
            const QString own = stamps.value(name);
            if (whole.isEmpty() && own.isEmpty())
                continue;
            change.fields.insert(name, wireValue(rowOf, i, columns[i].encoded));
            if (!own.isEmpty() && own != change.hlc)
                change.clocks.insert(name, own);
        }
        if (!addExtras(extrasOf, uuid, whole, stamps, change))
            return failed();
        if (!change.fields.isEmpty())
            batch.qsos.append(change);
    }
    return true;
}

bool OutboxReader::addExtras(db::Statement &extrasOf, const QString &uuid, const QString &whole,
                             const QMap<QString, QString> &stamps, QsoChange &change)
{
    // Kept ADIF fields by their keys; a name that could not travel stays on the device.
    QMap<QString, QString> extras;
    extrasOf.reset();
    extrasOf.bind(1, uuid);
    while (extrasOf.step()) {
        const QString key = extrawire::keyOf(extrasOf.text(0));
        if (!key.isEmpty() && !extrasOf.text(1).isEmpty())
            extras.insert(key, extrawire::encode(extrasOf.text(2), extrasOf.text(1)));
    }
    if (extrasOf.failed())
        return false;
    const auto put = [&change](const QString &key, const QString &value, const QString &own) {
        change.fields.insert(key, value);
        if (!own.isEmpty() && own != change.hlc)
            change.clocks.insert(key, own);
    };
    // A new QSO goes out with the fields it has; a field changed on its own goes out with its
    // value, or null when it was removed.
    if (!whole.isEmpty()) {
        for (auto it = extras.cbegin(); it != extras.cend(); ++it)
            put(it.key(), it.value(), stamps.value(it.key()));
    }
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        if (extrawire::nameOf(it.key()) && !change.fields.contains(it.key()))
            put(it.key(), extras.value(it.key()), it.value());
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
