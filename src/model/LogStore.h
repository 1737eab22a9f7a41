#pragma once

#include "model/QsoClass.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>

/** What a write to the logbook came to: stored, or not with the store's message (SQLite's text,
 *  "database is locked", "attempt to write a readonly database", …). */
struct [[nodiscard]] WriteResult {
    bool ok = false;
    QString error;
    qint64 rowid = 0; // the new QSO's id after saving one QSO

    [[nodiscard]] static WriteResult stored(qint64 rowid = 0) { return {true, {}, rowid}; }
    [[nodiscard]] static WriteResult failed(QString error) { return {false, std::move(error), 0}; }
    /** The answer to changing or deleting a QSO that has no id: it was never stored. */
    [[nodiscard]] static WriteResult notStored()
    {
        return failed(QStringLiteral("The QSO is not stored in the logbook"));
    }
    explicit operator bool() const { return ok; }
};

/** The QSOs of a bulk save, handed over batch by batch, so that a store can write the first ones
 *  while the later ones are still being read. */
class QsoBatches {
public:
    virtual ~QsoBatches() = default;
    /** The next QSOs in order; empty once every QSO was handed over. */
    [[nodiscard]] virtual QList<QsoClass> next() = 0;
    /** Asked after the last batch: one QSO (its `adif` and `dxcc`) per entity whose DX info text
     *  is rebuilt together with the QSOs. */
    [[nodiscard]] virtual QList<QsoClass> dxInfoToRefresh() = 0;
};

/** A QSO as the logbook holds it and what it is to become. */
struct QsoEdit {
    QsoClass stored;
    QsoClass edited;
};

/** Where the current logbook's QSOs live: a logbook file or the synced store. `LogModel` keeps the
 *  names callers know and forwards to whichever store is current. */
class LogStore {
public:
    virtual ~LogStore() = default;

    // Reading; lists are newest first unless said otherwise. Where a read takes `readError`, a
    // failed read leaves the store's message there (empty when the read worked).
    [[nodiscard]] virtual QList<QsoClass> getlastQSOs(int rangeCode, QString *readError) = 0;
    /** The QSO with that id; none when there is no such QSO or it could not be read. */
    [[nodiscard]] virtual std::optional<QsoClass> qsoById(qint64 id, QString *readError) = 0;
    /** Those of the ids that name a QSO; none when the logbook could not be read. */
    [[nodiscard]] virtual std::optional<QSet<qint64>> existingIds(const QSet<qint64> &ids) = 0;
    [[nodiscard]] virtual QList<QsoClass> getQSOsFromDXCC(int adif) = 0;
    /** Oldest first. */
    [[nodiscard]] virtual QList<QsoClass> getAllQSOsWith(const QString &callsign) = 0;
    [[nodiscard]] virtual int numberOfQSOsWithCallsign(const QString &callsign) = 0;
    [[nodiscard]] virtual QString getLocatorFromLog(const QString &callsign) = 0;
    /** The most recently inserted QSO (not the latest by time). */
    [[nodiscard]] virtual std::optional<QsoClass> lastInsertedQso() = 0;
    [[nodiscard]] virtual QsoClass getIdAndEqslFromQso(const QsoClass &received) = 0;
    [[nodiscard]] virtual std::optional<QsoClass> getQsoFromLotwQso(const QsoClass &received) = 0;
    /** Oldest first. */
    [[nodiscard]] virtual QList<QsoClass> getNewQSOsForClublog() = 0;
    /** How many QSOs getNewQSOsForClublog() would give, without reading them. */
    [[nodiscard]] virtual int numberOfNewQSOsForClublog() = 0;
    [[nodiscard]] virtual QList<QsoClass> getQsos4eQslUpload() = 0;
    /** Oldest first: the QSOs not yet sent to LoTW ("lotwqsl" neither "S" nor "X"). */
    [[nodiscard]] virtual QList<QsoClass> getQsosForLotwUpload(QString *readError) = 0;
    /** How many QSOs getQsosForLotwUpload() would give, without reading them; none (and why in
     *  `readError`) when the logbook could not be read. */
    [[nodiscard]] virtual std::optional<int> numberOfQsosForLotwUpload(QString *readError) = 0;
    [[nodiscard]] virtual QList<int> getDistinctDxccAdifsfromLog() = 0;
    /** Oldest first: the QSOs carrying that extra ADIF field (name in any case) with exactly
     *  that value, e.g. ("my_pota_ref", "US-0001"). */
    [[nodiscard]] virtual QList<QsoClass> qsosWithExtraField(const QString &name,
                                                             const QString &value) = 0;
    /** Oldest first: the QSOs that lack that extra ADIF field (name in any case) with that value
     *  (in any case; any value when `value` is empty), e.g. the QSOs not marked sent to a service;
     *  none (and why in `readError`) when the logbook could not be read. */
    [[nodiscard]] virtual QList<QsoClass>
    qsosWithoutExtraField(const QString &name, const QString &value, QString *readError) = 0;
    /** How many QSOs qsosWithoutExtraField() would give, without reading them. */
    [[nodiscard]] virtual std::optional<int> numberOfQsosWithoutExtraField(const QString &name,
                                                                           const QString &value,
                                                                           QString *readError) = 0;

    // Writing. Each waits a few seconds for another program's lock before it fails.
    /** Stores the record as it is (the caller has set `clublog`); the result carries the new id. */
    virtual WriteResult saveNewQSOtoLog(const QsoClass &qso) = 0;
    /** Stores all records of the batches, in order and each with the `clublog` letter it
     *  carries, and the DX info texts of the entities named at the end: everything or none. */
    virtual WriteResult saveAllQSOsToLog(QsoBatches &batches) = 0;
    /** Writes the edited QSOs over the stored ones (found by the stored ones' ids), their
     *  columns and extra fields, in one transaction: all of them or, when one fails (a QSO
     *  gone), none. */
    virtual WriteResult updateQSOs(const QList<QsoEdit> &edits) = 0;
    virtual WriteResult updateLogbookField(const QString &column, const QsoClass &qso,
                                           const QString &value) = 0;
    virtual WriteResult deleteQSO(const QsoClass &qso) = 0;
    /** Deletes every QSO and the DX info texts; the settings stay. */
    virtual WriteResult deleteAllQsos() = 0;
    virtual WriteResult markNewQsosAsClublogOkay() = 0;
    virtual WriteResult markAllAsClublogOkay() = 0;

    // The logbook's own settings.
    [[nodiscard]] virtual QString readPrefsForEntry(const QString &entry) = 0;
    virtual WriteResult updatePrefs(const QString &entry, const QString &value) = 0;
};
