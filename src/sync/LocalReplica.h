#pragma once

#include "sync/SyncChange.h"

#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace db {
class Database;
}

namespace logsync {

/** What applying one pulled page did. */
struct AppliedPage {
    QSet<int> entities; // entity numbers (dxccadif) of the QSOs touched, before and after
    int changed = 0;    // QSOs and settings whose stored values changed
    QSet<qint64> ids;   // row ids of the QSOs added, changed or deleted
};

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

    /** Brings the bookkeeping of a copy made by an older version up to date. */
    bool upgrade(QString *error);

    /** Stored state: "device", "server", "logbook", "logbookId", "cursor", "cursorKey", "hlc",
     *  "lastSync", "lastError", "notice". Empty when not set (or when the copy cannot be read). */
    [[nodiscard]] QString state(const QString &key) const;
    /** All stored state; nothing, with the reason, when the copy cannot be read. */
    [[nodiscard]] std::optional<QMap<QString, QString>> states(QString *error) const;
    bool setState(const QString &key, const QString &value);

    /** Changed QSOs and settings waiting to be pushed. */
    [[nodiscard]] int pendingChanges() const;

    /** The oldest waiting changes, at most `limit` QSOs and all waiting settings, each QSO
     *  stamped with a clock reading after the copy's clock (which moves on). Free-text columns
     *  go out decoded. Nothing on failure. */
    [[nodiscard]] std::optional<PushBatch> takeOutbox(int limit, qint64 nowMs, QString *error);
    /** Removes what the server took from the outbox, except rows changed again since; when no
     *  other device pushed since the last pull, moves the cursor past the push's own rows. */
    bool confirmPushed(const PushBatch &batch, const PushResult &result, QString *error);

    /** For a server that lost changes (restored from an older backup): every QSO, deletion and
     *  setting of the copy waits to be sent again, and the cursor starts from 0. */
    bool resendAll(QString *error);

    /** Applies a page of the server's stream in one transaction, without putting it in the
     *  outbox: new QSOs are inserted, deletions delete, changed fields are written except those
     *  changed here later than on the server; settings likewise. Moves the cursor to
     *  page.lastSeq and the clock past every reading seen (not past one far ahead of `nowMs`).
     *  Nothing on failure (then nothing was applied). */
    [[nodiscard]] std::optional<AppliedPage> applyPulled(const PullPage &page, qint64 nowMs,
                                                         QString *error);

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
