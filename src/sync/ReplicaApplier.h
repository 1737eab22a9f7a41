#pragma once

#include "db/Database.h"
#include "sync/SyncChange.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace logsync {

/** Writes what was pulled from the server into the copy, inside the caller's transaction and
 *  with the copy's apply flag set: QSOs by uuid (their columns and kept ADIF fields), deletions,
 *  and settings. A field or setting waiting in the outbox keeps its value when its change is
 *  later than the server's; otherwise the server's value is written and the waiting change
 *  dropped. Keys it does not know are ignored; an "adif:" key or value that is not well formed is
 *  ignored and logged. Collects the entity numbers of the QSOs it touched. */
class ReplicaApplier {
public:
    /** `device`: the copy's device id, which stamps its waiting changes as they will go out at
     *  `nowMs`. */
    ReplicaApplier(db::Database &database, QString device, qint64 nowMs);

    bool applyQso(const PulledQso &qso);
    bool applyPref(const PulledPref &pref);

    /** Entity numbers (absolute, without 0) of the touched QSOs, before and after. */
    [[nodiscard]] const QSet<int> &entities() const { return m_entities; }
    /** QSOs and settings whose stored values the apply changed. */
    [[nodiscard]] int changed() const { return m_changed; }
    /** Row ids of the QSOs whose stored values the apply added, changed or deleted. */
    [[nodiscard]] const QSet<qint64> &ids() const { return m_ids; }

private:
    /** A kept ADIF field of a QSO as stored here. */
    struct LocalExtra {
        QString name; // as stored (lower case when this program wrote it)
        QString value;
        QString type;
    };

    /** The QSO's fields without the "adif:" keys and values that are not well formed (logged). */
    static QMap<QString, QString> withoutMalformedExtras(const PulledQso &qso);
    [[nodiscard]] static bool hasExtras(const QMap<QString, QString> &fields);
    /** The kept ADIF fields of the QSO with this id, by their keys; nothing when unreadable. */
    std::optional<QMap<QString, LocalExtra>> localExtras(qint64 id);
    /** Makes the QSO's kept ADIF fields those of `fields` (well formed), except `kept`; whether
     *  a row changed, nothing on failure. */
    std::optional<bool> writeExtras(qint64 id, const QMap<QString, QString> &fields,
                                    const QStringList &kept,
                                    const QMap<QString, LocalExtra> &local);
    /** A column (position in replicaschema::columns()) with its value as stored. */
    struct Value {
        int column;
        QString stored; // null: SQL NULL
    };

    /** The local id of the uuid, 0 when none; nothing when the copy could not be read. */
    std::optional<qint64> localId(const QString &uuid);
    /** Fields of the uuid waiting in the outbox, with the time of their change. */
    std::optional<QMap<QString, qint64>> waitingFields(const QString &uuid);
    /** The reading a change made here at `changedMs` goes out with. */
    [[nodiscard]] QString localReading(qint64 changedMs) const;
    /** Remembers the QSO's latest reading on the server. */
    bool noteClock(qint64 id, const QString &hlc);
    /** Notes the entity of the QSO with this id; nothing when the copy could not be read, false
     *  when there is no such QSO. */
    std::optional<bool> noteEntity(qint64 id);
    void noteEntity(const db::Statement &row, int column);
    bool remove(qint64 id, const QString &uuid);
    /** Writes the values that differ from the stored row; false in `found` without a row. */
    bool update(qint64 id, const QList<Value> &values, bool *found);
    /** Adds the QSO; its id in `newId`. */
    bool insert(const QString &uuid, const QList<Value> &values, const QString &hlc, qint64 *newId);
    /** The statement for this set of columns, prepared once per apply. */
    db::Statement &statementFor(bool insert, const QList<Value> &values);

    db::Database &m_database;
    QString m_device;
    qint64 m_nowMs;
    db::Statement m_findId;
    db::Statement m_waiting;
    db::Statement m_dropWaiting;
    db::Statement m_noteClock;
    db::Statement m_forgetGone;
    db::Statement m_rememberGone;
    db::Statement m_entity;
    db::Statement m_row;
    db::Statement m_deleteRow;
    db::Statement m_forgetUuid;
    db::Statement m_forgetOutbox;
    db::Statement m_addUuid;
    db::Statement m_prefWaiting;
    db::Statement m_dropPrefWaiting;
    db::Statement m_storePref;
    db::Statement m_extras;
    db::Statement m_setExtra;
    db::Statement m_dropExtra;
    std::map<std::pair<bool, quint64>, db::Statement> m_statements;
    QSet<int> m_entities;
    QSet<qint64> m_ids;
    int m_changed = 0;
    bool m_anyWaiting = true;
    bool m_anyGone = true;
};

} // namespace logsync
