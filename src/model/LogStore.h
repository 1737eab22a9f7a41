#pragma once

#include "model/QsoClass.h"

#include <QList>
#include <QString>

#include <optional>

/** Where the current logbook's QSOs live: a logbook file or the synced store. `LogModel` keeps the
 *  names callers know and forwards to whichever store is current. */
class LogStore {
public:
    virtual ~LogStore() = default;

    // Reading; lists are newest first unless said otherwise.
    [[nodiscard]] virtual QList<QsoClass> getQSOsFromQueryString(const QString &statement) = 0;
    [[nodiscard]] virtual QList<QsoClass> getlastQSOs(int rangeCode) = 0;
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
    [[nodiscard]] virtual QList<QsoClass> getQsos4eQslUpload() = 0;
    [[nodiscard]] virtual QList<int> getDistinctDxccAdifsfromLog() = 0;

    // Writing.
    /** Stores the record as it is (the caller has set `clublog`); returns the new row id or 0. */
    virtual qint64 saveNewQSOtoLog(const QsoClass &qso) = 0;
    /** Stores the records in order, each with the `clublog` letter it carries; returns how many
     *  were stored. */
    virtual qsizetype saveAllQSOsToLog(const QList<QsoClass> &qsos) = 0;
    virtual void updateQSO(const QsoClass &stored, const QsoClass &edited) = 0;
    virtual void updateLogbookField(const QString &column, const QsoClass &qso,
                                    const QString &value) = 0;
    virtual void deleteQSO(const QsoClass &qso) = 0;
    virtual void markNewQsosAsClublogOkay() = 0;
    virtual void markAllAsClublogOkay() = 0;
    virtual bool executeCommand(const QString &statement) = 0;

    // The logbook's own settings.
    [[nodiscard]] virtual QString readPrefsForEntry(const QString &entry) = 0;
    /** Writes one entry; on failure false, with the store's error message in `error`. */
    virtual bool updatePrefs(const QString &entry, const QString &value, QString *error) = 0;
};
