#pragma once

#include "adif/ModesList.h"
#include "model/FileLogStore.h"
#include "model/MemberList.h"
#include "model/QsoClass.h"

#include <QObject>
#include <QVariantMap>

#include <optional>

class AppDelegate;

/** The single gateway to the current logbook. It chooses the logbook from the user default
 *  "LogDbName" and forwards every operation to the store behind it (a logbook file or the synced
 *  store); callers never know which. Cheap to make: each screen or service owns its own. */
class LogModel : public QObject {
    Q_OBJECT
public:
    explicit LogModel(AppDelegate &app, QObject *parent = nullptr);

    // Which logbook.
    void loadPrefs();
    /** Opens the current logbook once to see that it can be used. */
    bool openDB();
    [[nodiscard]] bool isSyncLog() const { return m_isSyncLog; }
    [[nodiscard]] const QString &logDbName() const { return m_logDbName; }
    [[nodiscard]] const QString &fullLogDatabasePath() const { return m_fullLogDatabasePath; }
    [[nodiscard]] QStringList getAllLogNames() const;

    // Reading QSOs (newest first unless said otherwise).
    [[nodiscard]] QList<QsoClass> getQSOsFromQueryString(const QString &statement);
    [[nodiscard]] QList<QsoClass> getlastQSOs(int rangeCode);
    [[nodiscard]] QList<QsoClass> getQSOsFromDXCC(int adif);
    [[nodiscard]] QList<QsoClass> getAllQSOsWith(const QString &callsign);
    [[nodiscard]] int numberOfQSOsWithCallsign(const QString &callsign);
    [[nodiscard]] QsoClass getInfoForStation(const QString &callsign);
    [[nodiscard]] QString getLocatorFromLog(const QString &callsign);
    [[nodiscard]] QString getLastLoggedMode();
    [[nodiscard]] QString getLastLoggedFrequency();
    [[nodiscard]] QString getLastLoggedBand();
    [[nodiscard]] QsoClass getIdAndEqslFromQso(const QsoClass &received);
    [[nodiscard]] std::optional<QsoClass> getQsoFromLotwQso(const QsoClass &received);
    [[nodiscard]] QList<QsoClass> getNewQSOsForClublog();
    [[nodiscard]] QList<QsoClass> getQsos4eQslUpload();
    [[nodiscard]] QList<int> getDistinctDxccAdifsfromLog();

    // Writing QSOs.
    /** Marks the QSO for Club Log ("W"), stores it and refreshes its entity's DX info; returns
     *  the new row id, 0 when nothing was stored. */
    qint64 saveNewQSOtoLog(QsoClass &qso);
    /** Stores the records as they are and refreshes the DX info of the given entities; returns
     *  how many were stored. */
    qsizetype saveAllQSOsToLog(const QList<QsoClass> &qsos,
                               const QList<QsoClass> &dxInfoToRefresh);
    void updateQSO(const QsoClass &stored, const QsoClass &edited);
    void updateLogbookField(const QString &column, const QsoClass &qso, const QString &value);
    void deleteQSO(const QsoClass &qso);
    void markNewQsosAsClublogOkay();
    void markAllAsClublogOkay();
    bool executeCommand(const QString &statement);

    // The logbook's settings.
    [[nodiscard]] QString readPrefsForEntry(const QString &entry);
    void updatePrefs(const QString &entry, const QString &value);
    void updatePrefsField(const QString &entry, const QString &value) { updatePrefs(entry, value); }
    [[nodiscard]] QString getMyCallsign() { return readPrefsForEntry(QStringLiteral("mycall")); }
    void updateMyCallsign(const QString &callsign);
    [[nodiscard]] QString getMyLocator() { return readPrefsForEntry(QStringLiteral("mylocator")); }
    void updateMyLocator(const QString &locator);
    [[nodiscard]] QString getUserFieldNameForNumber(int number);
    [[nodiscard]] int getUserFieldAdifIdxForNumber(int number);
    [[nodiscard]] bool getUserFieldRememberForNumber(int number);
    void updateUserFieldName(const QString &name, int number);
    void updateUserFieldAdifIdx(int index, int number);
    void updateUserFieldRemember(bool remember, int number);
    void saveClublogPrefs(const QVariantMap &prefs);
    [[nodiscard]] QVariantMap getClublogPrefs();
    void saveLotwPrefs(const QVariantMap &prefs);
    [[nodiscard]] QVariantMap getLotwPrefs();
    [[nodiscard]] QVariantMap getAllEqslData();

    // ADIF (see adif/AdifWriter.h).
    /** The full export record of a QSO as the logbook holds it now (read again by its row id);
     *  empty when the row no longer exists. */
    [[nodiscard]] QString makeAdifQSOfromID(const QsoClass &qso);
    /** The full export record of a QSO as given. */
    [[nodiscard]] QString makeAdifRecord(const QsoClass &qso);
    [[nodiscard]] QString makeADIF4eQSLfromQSO(const QsoClass &qso) const;
    [[nodiscard]] std::optional<QString> logModeToAdifMode(const QString &mode);
    /** The ADIF names of the four user fields; worked out once, forgotten on
     *  "UserFieldPrefsChanged". */
    [[nodiscard]] QStringList makeMappingInfo();
    /** "Modes&Submodes.txt" of the data folder (the shipped one when it is missing), read once. */
    [[nodiscard]] const adif::ModesList &modesList();

    // Member lists.
    [[nodiscard]] bool isLotwUser(const QString &callsign);
    [[nodiscard]] bool isEqslUser(const QString &callsign);
    [[nodiscard]] int numberofLotwUser();
    [[nodiscard]] int numberOfEqslUser();

private:
    /** The store of the current logbook; none while the synced logbook is chosen but not
     *  available (that is logged). */
    LogStore *store();
    /** Seam for the worked/confirmed bookkeeping: refreshes the DX info of the QSO's entity. */
    void updateDxInfoString(const QsoClass &qso);
    [[nodiscard]] QString lastQSL(const QString &entry);
    const MemberList &lotwUsers();
    const MemberList &eqslUsers();

    AppDelegate &m_app;
    FileLogStore m_fileStore;
    QString m_logDbName;
    QString m_fullLogDatabasePath;
    bool m_isSyncLog = false;
    std::optional<MemberList> m_lotwUsers;
    std::optional<MemberList> m_eqslUsers;
    std::optional<adif::ModesList> m_modes;
    std::optional<QStringList> m_userFieldNames;
};
