#pragma once

#include <QList>
#include <QMap>
#include <QString>

/** What travels between a device's copy of the synced logbook and the server. Field values are
 *  plain text (never percent-encoded); a null QString is SQL NULL, an empty one is ''. */
namespace logsync {

/** One QSO's changes since the last push, stamped with one clock reading. */
struct QsoChange {
    QString uuid;
    QString hlc;
    bool deleted = false;
    /** Column name of `logbook` → value; all columns but `id` for a new QSO. */
    QMap<QString, QString> fields;
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
    QString hlc; // the highest clock reading among its fields
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
    qint64 lastSeq = 0; // the highest sequence number on this page (the next cursor)
    bool more = false;  // a full page: ask again after lastSeq
};

} // namespace logsync
