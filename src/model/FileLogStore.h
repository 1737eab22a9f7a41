#pragma once

#include "model/LogStore.h"

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
    /** Adds the lookup indexes an older logbook file may lack; nothing else changes. */
    void addMissingIndexes();

    QList<QsoClass> getQSOsFromQueryString(const QString &statement) override;
    QList<QsoClass> getlastQSOs(int rangeCode) override;
    QList<QsoClass> getQSOsFromDXCC(int adif) override;
    QList<QsoClass> getAllQSOsWith(const QString &callsign) override;
    int numberOfQSOsWithCallsign(const QString &callsign) override;
    QString getLocatorFromLog(const QString &callsign) override;
    std::optional<QsoClass> lastInsertedQso() override;
    QsoClass getIdAndEqslFromQso(const QsoClass &received) override;
    std::optional<QsoClass> getQsoFromLotwQso(const QsoClass &received) override;
    QList<QsoClass> getNewQSOsForClublog() override;
    QList<QsoClass> getQsos4eQslUpload() override;
    QList<int> getDistinctDxccAdifsfromLog() override;

    qint64 saveNewQSOtoLog(const QsoClass &qso) override;
    qsizetype saveAllQSOsToLog(const QList<QsoClass> &qsos) override;
    void updateQSO(const QsoClass &stored, const QsoClass &edited) override;
    void updateLogbookField(const QString &column, const QsoClass &qso,
                            const QString &value) override;
    void deleteQSO(const QsoClass &qso) override;
    void markNewQsosAsClublogOkay() override;
    void markAllAsClublogOkay() override;
    bool executeCommand(const QString &statement) override;

    QString readPrefsForEntry(const QString &entry) override;
    bool updatePrefs(const QString &entry, const QString &value, QString *error) override;

private:
    [[nodiscard]] bool open(db::Database &database) const;
    /** Runs a select over all logbook columns with the values bound in order. */
    QList<QsoClass> query(const QString &statement, std::initializer_list<QVariant> values = {});
    void blank60mEntry(const QsoClass &qso);
    /** Runs a statement without rows; the error message when it failed (empty text when the
     *  file did not open, which has been logged already). */
    std::optional<QString> runStatement(const QString &statement);

    const UserDefaults &m_defaults;
    const Clock &m_clock;
    QStringList &m_info60m;
    QString m_path;
};
