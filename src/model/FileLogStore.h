#pragma once

#include "model/LogStore.h"

#include <QSet>
#include <QString>
#include <QStringList>

class Clock;
class UserDefaults;

namespace db {
class Database;
}

/** A logbook file (".rlog", SQLite). Every operation opens the file, does its work and closes it
 *  again, so a newly chosen or replaced file is seen at the next operation. */
class FileLogStore final : public LogStore {
public:
    /** `info60m` is the logbook's cache of 60 m status texts, blanked where a write changes
     *  them. */
    FileLogStore(const UserDefaults &defaults, const Clock &clock, QStringList &info60m,
                 QString path);

    [[nodiscard]] const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    /** Adds the field store and lookup indexes an older logbook file may lack; nothing it holds
     *  changes. */
    void addMissingParts();
    /** What keeps the file from being used as a logbook ("… is not a logbook: file is not a
     *  database"), nothing when it reads. `integrity` also runs SQLite's quick check of every
     *  page, for work that must read all QSOs or fail (an export). */
    [[nodiscard]] std::optional<QString> problem(bool integrity);

    QList<QsoClass> getlastQSOs(int rangeCode, QString *readError) override;
    std::optional<QsoClass> qsoById(qint64 id, QString *readError) override;
    std::optional<QSet<qint64>> existingIds(const QSet<qint64> &ids) override;
    QList<QsoClass> getQSOsFromDXCC(int adif) override;
    QList<QsoClass> getAllQSOsWith(const QString &callsign) override;
    int numberOfQSOsWithCallsign(const QString &callsign) override;
    QString getLocatorFromLog(const QString &callsign) override;
    std::optional<QsoClass> lastInsertedQso() override;
    QsoClass getIdAndEqslFromQso(const QsoClass &received) override;
    std::optional<QsoClass> getQsoFromLotwQso(const QsoClass &received) override;
    QList<QsoClass> getNewQSOsForClublog() override;
    int numberOfNewQSOsForClublog() override;
    QList<QsoClass> getQsos4eQslUpload() override;
    QList<QsoClass> getQsosForLotwUpload(QString *readError) override;
    std::optional<int> numberOfQsosForLotwUpload(QString *readError) override;
    QList<int> getDistinctDxccAdifsfromLog() override;
    QList<QsoClass> qsosWithExtraField(const QString &name, const QString &value) override;
    QList<QsoClass> qsosWithoutExtraField(const QString &name, const QString &value,
                                          QString *readError) override;
    std::optional<int> numberOfQsosWithoutExtraField(const QString &name, const QString &value,
                                                     QString *readError) override;

    WriteResult saveNewQSOtoLog(const QsoClass &qso) override;
    WriteResult saveAllQSOsToLog(QsoBatches &batches) override;
    WriteResult updateQSOs(const QList<QsoEdit> &edits) override;
    WriteResult updateLogbookField(const QString &column, const QsoClass &qso,
                                   const QString &value) override;
    WriteResult deleteQSO(const QsoClass &qso) override;
    WriteResult deleteAllQsos() override;
    WriteResult markNewQsosAsClublogOkay() override;
    WriteResult markAllAsClublogOkay() override;

    QString readPrefsForEntry(const QString &entry) override;
    WriteResult updatePrefs(const QString &entry, const QString &value) override;

private:
    /** Opens the existing file (never creates one); the reason when it cannot, logged. */
    [[nodiscard]] std::optional<QString> open(db::Database &database) const;
    /** Runs a select over all logbook columns with the values bound in order; a failed read
     *  leaves SQLite's message in `readError` and is logged. */
    QList<QsoClass> query(const QString &statement, std::initializer_list<QVariant> values = {},
                          QString *readError = nullptr);
    /** The QSOs on the received QSL's band within the window around its time. */
    QList<QsoClass> qsosNear(const QsoClass &received, int windowSeconds);
    void blank60mEntry(const QsoClass &qso);
    /** Runs one statement without rows in the file. */
    WriteResult runStatement(const QString &statement);
    /** A statement that names one QSO by id: it has to have changed a row. */
    [[nodiscard]] static WriteResult oneRowChanged(const db::Database &database, qint64 id);

    const UserDefaults &m_defaults;
    const Clock &m_clock;
    QStringList &m_info60m;
    QString m_path;
};
