#pragma once

#include "model/AdifWriter.h"
#include "model/DxccStatistics.h"
#include "model/FileLogStore.h"
#include "model/FileWorkedStore.h"
#include "model/LogListQuery.h"
#include "model/MemberList.h"
#include "model/NewQsoStamp.h"
#include "model/QsoChange.h"
#include "model/QsoClass.h"
#include "model/SpotStatusCache.h"
#include "refdata/ModesList.h"

#include <QObject>
#include <QVariantMap>

#include <memory>
#include <optional>

class Clock;
class DXCCModel;
class UserDefaults;
struct DataFolder;
struct OneDxSpotClass;

/** The thirteen answers that tell what a spot would be new for. */
struct SpotAnswers {
    bool stnWkdBefore = false;
    bool stnCfdBefore = false;
    bool dxWkd = false;
    bool dxCfd = false;
    bool dxCfdLotw = false;
    bool bandWkd = false;
    bool bandCfd = false;
    bool bandCfdLotw = false;
    bool modeWkd = false;
    bool modeCfd = false;
    bool modeCfdLotw = false;
    bool bandModeWkd = false;
    bool bandModeCfd = false;
};

/** The single gateway to the current logbook. It chooses the logbook from the user default
 *  "LogDbName" and forwards every operation to the store behind it (a logbook file or the synced
 *  store); callers never know which. The front end makes one and hands it to every screen and
 *  service, which follow it through its signals: `logbookSwitched` when another logbook is
 *  chosen, `qsosChanged` after each committed write of QSOs, `settingsChanged` after a write of
 *  the logbook's own settings. Work that must stay on the logbook it started on makes its own
 *  with `pinned()`; what that one writes is announced here too while this model is on the same
 *  logbook. */
class LogModel : public QObject {
    Q_OBJECT
public:
    static constexpr int k60mCacheSize = 600;

    LogModel(UserDefaults &defaults, const DataFolder &folder, const Clock &clock, DXCCModel &dxcc,
             QObject *parent = nullptr);
    /** A LogModel that stays on the given logbook file whatever is chosen later. */
    LogModel(UserDefaults &defaults, const DataFolder &folder, const Clock &clock, DXCCModel &dxcc,
             const QString &pinned, QObject *parent = nullptr);

    // Which logbook.
    void loadPrefs();
    /** Makes the named logbook (a file of the data folder, or the synced log) the current one
     *  and announces it with `logbookSwitched`, also when it was current already: its file may
     *  have been replaced. */
    void selectLogbook(const QString &name);
    /** Opens the current logbook once to see that it can be used. */
    bool openDB();
    [[nodiscard]] bool isSyncLog() const { return m_isSyncLog; }
    [[nodiscard]] const QString &logDbName() const { return m_logDbName; }
    [[nodiscard]] const QString &fullLogDatabasePath() const { return m_fullLogDatabasePath; }
    [[nodiscard]] QStringList getAllLogNames() const;
    /** A LogModel that stays on this model's current logbook, for work that must finish where it
     *  started. */
    [[nodiscard]] std::unique_ptr<LogModel> pinned() const;

    /** What keeps the current logbook from being used ("… is not a logbook: …"), nothing when
     *  it reads; `integrity` also checks every page of the file (before an export). */
    [[nodiscard]] std::optional<QString> logbookProblem(bool integrity = false);

    // Reading QSOs (newest first unless said otherwise). Where a read takes `readError`, a failed
    // read leaves the store's message there and gives no QSOs.
    [[nodiscard]] QList<QsoClass> getlastQSOs(int rangeCode, QString *readError = nullptr);
    /** The QSO with that id; none when there is no such QSO, or (with the message in
     *  `readError`) when the logbook could not be read. */
    [[nodiscard]] std::optional<QsoClass> qsoById(qint64 id, QString *readError = nullptr);
    /** Those of the ids that still name a QSO; none when the logbook could not be read. */
    [[nodiscard]] std::optional<QSet<qint64>> existingQsoIds(const QSet<qint64> &ids);
    /** The file logbook's QSOs of a log list range in one of its orders, to be read a page at a
     *  time (on any thread); none for the synced store, whose QSOs are in memory anyway. */
    [[nodiscard]] std::optional<LogListQuery> pagedQSOs(int rangeCode, int order) const;
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
    [[nodiscard]] int numberOfNewQSOsForClublog();
    [[nodiscard]] QList<QsoClass> getQsos4eQslUpload();
    [[nodiscard]] QList<QsoClass> getQsosForLotwUpload(QString *readError = nullptr);
    [[nodiscard]] std::optional<int> numberOfQsosForLotwUpload(QString *readError = nullptr);
    [[nodiscard]] QList<QsoClass> qsosWithoutExtraField(const QString &name, const QString &value,
                                                        QString *readError = nullptr);
    [[nodiscard]] std::optional<int> numberOfQsosWithoutExtraField(const QString &name,
                                                                   const QString &value,
                                                                   QString *readError = nullptr);
    [[nodiscard]] QList<int> getDistinctDxccAdifsfromLog();
    /** Oldest first: the QSOs whose extra ADIF field of that name (any case) has exactly that
     *  value, each with all its fields. */
    [[nodiscard]] QList<QsoClass> qsosWithExtraField(const QString &name, const QString &value);

    // Writing QSOs. Each tells whether the logbook stored it, with the store's message when not
    // (another program holding the file longer than a few seconds, a read-only file, …).
    /** What each new QSO is given before saveNewQSOtoLog stores it (the active station
     *  profile); none: stored as given. The stamp must outlive this model or be unset. */
    void setNewQsoStamp(const NewQsoStamp *stamp) { m_newQsoStamp = stamp; }
    /** Stamps the QSO (see setNewQsoStamp), marks it for Club Log ("W"), stores it and
     *  refreshes its entity's DX info; the result and the QSO carry the new row id. */
    WriteResult saveNewQSOtoLog(QsoClass &qso);
    /** Stores all records as they are, or none of them, and then refreshes the DX info of the
     *  given entities. */
    WriteResult saveAllQSOsToLog(const QList<QsoClass> &qsos,
                                 const QList<QsoClass> &dxInfoToRefresh);
    /** The same for QSOs handed over while they are read (an import's reader on its own
     *  thread): everything in one transaction, so a failure anywhere stores none. */
    WriteResult saveAllQSOsToLog(QsoBatches &batches);
    /** Fails for a QSO that is no longer there, like the two writes after it. */
    WriteResult updateQSO(const QsoClass &stored, const QsoClass &edited);
    /** Many edits in one write (marks after an upload): all or none, the DX info of each entity
     *  touched worked out once, one qsosChanged. */
    WriteResult updateQSOs(const QList<QsoEdit> &edits);
    WriteResult updateLogbookField(const QString &column, const QsoClass &qso,
                                   const QString &value);
    WriteResult deleteQSO(const QsoClass &qso);
    /** Empties the logbook: every QSO goes, the DX info and the 60 m cache with them; the
     *  settings stay. In the synced log every device that shares it loses them too. */
    WriteResult deleteAllEntries();
    WriteResult markNewQsosAsClublogOkay();
    WriteResult markAllAsClublogOkay();
    /** Announces a write committed by a QSL session on the given logbook file (see
     *  model/QslSession.h), on this model's thread; nothing when this model is on another
     *  logbook by now. */
    void takeCommitted(const QString &path, const QsoChange &change);
    /** Takes QSOs another device wrote into the synced logbook's copy: refreshes the DX info of
     *  their entities and announces them. With the ids of the rows written, only those rows are
     *  read again for the spot answers; without, those are built anew. */
    void takePulled(const QSet<int> &entities, const QSet<qint64> &ids = {});
    /** Forgets the member lists read so far: a list file was replaced. */
    void forgetMemberLists();

    // The logbook's settings. The shortcuts below updatePrefs log a failure and go on.
    [[nodiscard]] QString readPrefsForEntry(const QString &entry);
    WriteResult updatePrefs(const QString &entry, const QString &value);
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

    // ADIF (see model/AdifWriter.h).
    /** The full export record of a QSO as the logbook holds it now (read again by its row id);
     *  empty when the row no longer exists. */
    [[nodiscard]] QString makeAdifQSOfromID(const QsoClass &qso);
    /** The full export record of a QSO as given. */
    [[nodiscard]] QString makeAdifRecord(const QsoClass &qso);
    /** What full records need besides the QSO, as the settings stand now; it refers to this
     *  model's modes list and may be used on another thread while the model lives. */
    [[nodiscard]] adif::RecordContext adifRecordContext();
    [[nodiscard]] QString makeADIF4eQSLfromQSO(const QsoClass &qso) const;
    [[nodiscard]] std::optional<QString> logModeToAdifMode(const QString &mode);
    /** The ADIF names of the four user fields; worked out once, forgotten when their settings
     *  change. */
    [[nodiscard]] QStringList makeMappingInfo();
    /** "Modes&Submodes.txt" of the data folder (the shipped one when it is missing), read once. */
    [[nodiscard]] const adif::ModesList &modesList();

    // Worked and confirmed (see model/DxInfo.h for the DX info text).
    /** All thirteen answers for a spot at once: what the cluster asks for every spot. Answered
     *  from memory (see model/SpotStatusCache.h), like iotaWkd and iotaCfd; the single questions
     *  below ask the logbook. */
    [[nodiscard]] SpotAnswers spotAnswers(const OneDxSpotClass &spot);
    /** This station on the spot's band in its mode class, worked / confirmed (paper "R" or "X",
     *  LoTW "X"). */
    [[nodiscard]] bool stnWkdBefore(const OneDxSpotClass &spot);
    [[nodiscard]] bool stnCfdBefore(const OneDxSpotClass &spot);
    /** The entity on any band and mode. */
    [[nodiscard]] bool dxWkd(int adif);
    [[nodiscard]] bool dxCfd(int adif);
    [[nodiscard]] bool dxCfdLotw(int adif);
    /** The spot's entity on its band; bands that are not tracked answer true. */
    [[nodiscard]] bool bandWkd(const OneDxSpotClass &spot);
    [[nodiscard]] bool bandCfd(const OneDxSpotClass &spot);
    [[nodiscard]] bool bandCfdLotw(const OneDxSpotClass &spot);
    /** The spot's entity in its mode class on any band. */
    [[nodiscard]] bool modeWkd(const OneDxSpotClass &spot);
    [[nodiscard]] bool modeCfd(const OneDxSpotClass &spot);
    [[nodiscard]] bool modeCfdLotw(const OneDxSpotClass &spot);
    /** The spot's entity in its band and mode class (the slot). */
    [[nodiscard]] bool bandModeWkd(const OneDxSpotClass &spot);
    [[nodiscard]] bool bandModeCfd(const OneDxSpotClass &spot);
    [[nodiscard]] bool iotaWkd(const QString &reference);
    [[nodiscard]] bool iotaCfd(const QString &reference);
    /** "-" never worked, "W" worked, "P" paper, "L" LoTW, "X" both; empty for a reference that is
     *  not 6 characters long. */
    [[nodiscard]] QString getIotaStatus(const QString &reference);
    /** The same letters for a grid square (first 4 characters) on a band. */
    [[nodiscard]] QString getLocatorStatus(const QString &locator, const QString &band);
    [[nodiscard]] QString getDxInfoString(int adif);
    [[nodiscard]] QString getDxInfoString60m(int adif);
    [[nodiscard]] QString get60mInfo(int adif);
    /** Built from the logbook; empty when the entity has no QSO. */
    [[nodiscard]] QString makeDxInfoString(int adif);
    [[nodiscard]] QString makeCallsignInfoString(const QString &callsign);
    [[nodiscard]] QString makeCallsignInfoString60m(const QString &callsign);
    /** Rebuilds and stores the DX info of the QSO's entity. */
    void updateDxInfoString(const QsoClass &qso);
    /** The same for one QSO just added: cells only ever go up, so updating the one cell of the
     *  stored text gives what a rebuild would, without reading the entity's QSOs. */
    void addToDxInfo(const QsoClass &qso);
    void updateDxInfoForLotw(const QList<QsoClass> &qsos);
    /** Rebuilds the DX info and the 60 m status of entities whose QSOs changed elsewhere (a
     *  sync from another device). */
    void refreshDxInfo(const QSet<int> &entities);
    void saveAllDxInfoStrings(const QList<WorkedStore::DxListEntry> &entries);
    [[nodiscard]] static QString makeModeInfoText(const QString &extendedInfo);
    /** Per entity number the 60 m status group (3 characters) or empty text (not computed). */
    [[nodiscard]] QStringList &info60m() { return m_info60m; }

    // The whole DXCC list (see model/DxccStatistics.h).
    /** Builds every entity's DX info once per logbook (marker "DxUpdate_2020_1" in its prefs). */
    void updateDxTable();
    /** The 8 series of worked and confirmed entity counts; QSL mode 0 any, 1 paper, 2 LoTW. */
    [[nodiscard]] dxstats::Counts getNumbersOfDXCCs(int qslMode, bool withDeleted);
    /** One row per entity: name or prefix first, then the extended DX info, "xyz" for deleted
     *  entities; sorted without regard to case. */
    [[nodiscard]] QStringList getAllDxInfoStrings(bool byName);

    // Member lists.
    [[nodiscard]] bool isLotwUser(const QString &callsign);
    [[nodiscard]] bool isEqslUser(const QString &callsign);
    [[nodiscard]] int numberofLotwUser();
    [[nodiscard]] int numberOfEqslUser();

signals:
    /** Another logbook is current (or the current one was chosen again). */
    void logbookSwitched();
    /** A write of QSOs was committed: through this model, a model pinned to the same logbook, a
     *  QSL session on it or a round of the synced logbook. Once per transaction, after commit. */
    void qsosChanged(const QsoChange &change);
    /** One of the logbook's own settings ("mycall", "mylocator", "UserFieldName_1", …) was
     *  written. */
    void settingsChanged(const QString &entry);

private:
    /** The store of the current logbook (for the synced logbook, this device's copy). */
    LogStore &store();
    void usePath(const QString &name, const QString &path);
    /** The worked/confirmed questions of the current logbook. */
    WorkedStore &worked();
    [[nodiscard]] QString lastQSL(const QString &entry);
    /** updatePrefs for the shortcuts that only log a failure. */
    void storePref(const QString &entry, const QString &value);
    const MemberList &lotwUsers();
    const MemberList &eqslUsers();
    /** Rebuilds and stores the DX info of the entities (their 60 m status too). */
    void refreshEntities(const QSet<int> &entities);
    /** Drops the entity's 60 m status kept in m_info60m. */
    void forget60mInfo(int adif);
    /** Drops what was read of the logbook and announces the switch. */
    void switched();
    /** Emits qsosChanged for a write of this model. */
    void committed(QsoChange change);

    UserDefaults &m_defaults;
    const DataFolder &m_folder;
    const Clock &m_clock;
    DXCCModel &m_dxcc;
    /** The logbook file this model stays on; empty: the current one. */
    QString m_pinned;
    QStringList m_info60m;
    FileLogStore m_fileStore;
    FileWorkedStore m_fileWorked;
    SpotStatusCache m_spotStatus;
    QString m_logDbName;
    QString m_fullLogDatabasePath;
    bool m_isSyncLog = false;
    /** selectLogbook is writing "LogDbName" (and announces the switch itself). */
    bool m_selecting = false;
    std::optional<MemberList> m_lotwUsers;
    std::optional<MemberList> m_eqslUsers;
    std::optional<adif::ModesList> m_modes;
    std::optional<QStringList> m_userFieldNames;
    const NewQsoStamp *m_newQsoStamp = nullptr;
};
