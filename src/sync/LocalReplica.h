#pragma once

#include "sync/SyncChange.h"

#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace db {
class Database;
}

namespace logsync {

/** A device's copy of the synced logbook: an ordinary logbook file plus the sync bookkeeping
 *  (tables named "sync_…"): QSO uuid ↔ id, the outbox of changed fields and settings filled by
 *  triggers (so changes made by any program are carried), and the copy's state (device id,
 *  server, logbook, pull cursor, clock). Every call opens the file for itself, so it works on
 *  any thread. */
class LocalReplica {
public:
    explicit LocalReplica(QString path);

    [[nodiscard]] const QString &path() const { return m_path; }

    /** Adds the bookkeeping tables and triggers to the logbook file and gives every QSO a uuid
     *  and the copy a device id; QSOs already in the file go into the outbox as new. Running it
     *  again is harmless. */
    bool install(QString *error);

    /** Runs `insert` on a connection to the copy, in one transaction, to add many QSOs at once
     *  (copying a logbook into the synced log): the QSOs it adds get uuids and go out as new, as
     *  with the triggers, but several times faster. Nothing is kept when `insert` returns
     *  false. */
    bool importQsos(const std::function<bool(db::Database &)> &insert, QString *error);

    /** Stored state: "device", "server", "logbook", "logbookId", "cursor", "hlc", "lastSync",
     *  "lastError". Empty when not set. */
    [[nodiscard]] QString state(const QString &key) const;
    bool setState(const QString &key, const QString &value);

    /** Changed QSOs and settings waiting to be pushed. */
    [[nodiscard]] int pendingChanges() const;

    /** The oldest waiting changes, at most `limit` QSOs and all waiting settings, each QSO
     *  stamped with a clock reading after the copy's clock (which moves on). Free-text columns
     *  go out decoded. Nothing on failure. */
    [[nodiscard]] std::optional<PushBatch> takeOutbox(int limit, qint64 nowMs, QString *error);
    /** Removes what the server took from the outbox, except rows changed again since. */
    bool confirmPushed(const PushBatch &batch, QString *error);

    /** Applies a page of the server's stream in one transaction, without putting it in the
     *  outbox: new QSOs are inserted, deletions delete, changed fields are written except those
     *  still waiting in the outbox; settings likewise. Moves the cursor to page.lastSeq and the
     *  clock past every reading seen. The entity numbers (dxccadif) of the QSOs touched, before
     *  and after; nothing on failure (then nothing was applied). */
    [[nodiscard]] std::optional<QSet<int>> applyPulled(const PullPage &page, QString *error);

    /** Sets up a connection that writes QSOs into the copy. Its triggers make SQLite keep a
     *  statement journal for every row written; this keeps that journal in memory, which makes
     *  a large import several times faster. */
    static void prepareConnection(db::Database &database);

    /** True for `prefs` entries that never leave the device: passwords, the entries that make a
     *  file a logbook, program-version entries and markers of derived data. */
    [[nodiscard]] static bool isLocalPref(const QString &entry);

private:
    QString m_path;
};

} // namespace logsync
