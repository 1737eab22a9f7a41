#pragma once

#include <QList>
#include <QMap>
#include <QString>

/** What travels between a device's copy of the synced logbook and the server. Field values are
 *  plain text (never percent-encoded); a null QString is SQL NULL, an empty one is ''. */
namespace logsync {

/** One QSO's changes since the last push: each field stamped with the clock reading of its own
 *  change, `hlc` unless `clocks` names another. */
struct QsoChange {
    QString uuid;
    QString hlc;
    bool deleted = false;
    /** Column name of `logbook` → value; all columns but `id` for a new QSO, with its kept ADIF
     *  fields ("adif:name" → "type:value", null when removed; see ExtraFieldWire.h). */
    QMap<QString, QString> fields;
    /** Field → reading, for the fields changed at another time than `hlc`. */
    QMap<QString, QString> clocks = {};

    [[nodiscard]] QString clockOf(const QString &field) const { return clocks.value(field, hlc); }
};

/** One setting of the logbook (`prefs`). */
struct PrefChange {
    QString entry;
    QString value;
    QString hlc;
};

/** An outbox row as it was read, so that only rows not changed again since are removed after
 *  the server took them. */
struct OutboxKey {
    QString uuid; // empty for a setting
    QString field;
    qint64 version = 0;
};

/** What the server answered to a push. */
struct PushResult {
    qint64 before = 0; // the logbook's highest number before the push
    qint64 after = 0;  // and after it: the push's own rows are numbered before+1 … after
    QString lastKey;   // "qso:<uuid>" or "pref:<entry>" of the row numbered `after`
};

struct PushBatch {
    QList<QsoChange> qsos;
    QList<PrefChange> prefs;
    QList<OutboxKey> keys;
    [[nodiscard]] bool isEmpty() const { return qsos.isEmpty() && prefs.isEmpty(); }
};

/** A QSO as the server holds it now (all fields, merged), or its deletion. */
struct PulledQso {
    qint64 seq = 0;
    QString uuid;
    bool deleted = false;
    QMap<QString, QString> fields;
    QString hlc;       // the highest clock reading among its fields
    QString base = {}; // the reading of every field that `clocks` does not name
    QMap<QString, QString> clocks = {};

    [[nodiscard]] QString clockOf(const QString &field) const
    {
        return clocks.value(field, base.isEmpty() ? hlc : base);
    }
};

struct PulledPref {
    qint64 seq = 0;
    QString entry;
    QString value;
    QString hlc;
};

/** One page of the server's change stream after a sequence number. */
struct PullPage {
    QList<PulledQso> qsos;
    QList<PulledPref> prefs;
    qint64 lastSeq = 0;   // the highest sequence number on this page (the next cursor)
    QString lastKey = {}; // "qso:<uuid>" or "pref:<entry>" of the row numbered lastSeq
    bool more = false;    // a full page: ask again after lastSeq
};

} // namespace logsync
