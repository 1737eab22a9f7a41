#pragma once

#include "awards/AwardsScreen.h"
#include "cluster/ClusterScreen.h"
#include "contest/ContestScreen.h"
#include "dxcc/DxccScreen.h"
#include "entry/LogListModel.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "map/GraylineScreen.h"
#include "scanner/ScanReceiver.h"
#include "scanner/ScannerScreen.h"
#include "services/AutoUpload.h"
#include "services/ClublogScreen.h"
#include "services/EqslScreen.h"
#include "services/LookupScreen.h"
#include "services/LookupSettings.h"
#include "services/LotwScreen.h"
#include "services/QrzScreen.h"
#include "services/WavelogScreen.h"
#include "shell/AdifImportScreen.h"
#include "shell/BandTableSettings.h"
#include "shell/CountryFileSettings.h"
#include "shell/DateStyleSettings.h"
#include "shell/LanguageSettings.h"
#include "shell/LogbookFileImport.h"
#include "shell/LogbookSelection.h"
#include "shell/MemberListDownload.h"
#include "shell/Screen.h"
#include "shell/StationSettings.h"
#include "shell/UserFieldSettings.h"
#include "shell/WsjtxSettings.h"
#include "station/ActivationPanel.h"
#include "station/ProfileEditor.h"
#include "station/StationProfiles.h"
#include "stats/StatisticsScreen.h"
#include "sync/SyncScreen.h"
#include "trx/ElecraftPanel.h"
#include "trx/TrxScreen.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class AppDelegate;
class QNetworkAccessManager;
class FileHandOff;
namespace trx {
class TrxController;
}
class LookupLauncher;
class ContactBroadcast;
class ContestCatalog;
class ContestSession;

/** The application's frame: which tab is shown, the screens opened over a tab, home-screen
 *  shortcuts, files handed to the application and the window's activity. It owns the
 *  view-models of the screens so both screen sets share them. */
class AppShell : public QObject {
    Q_OBJECT
    Q_PROPERTY(Layout layout READ layout CONSTANT)
    Q_PROPERTY(int currentTab READ currentTab WRITE setCurrentTab NOTIFY currentTabChanged)
    Q_PROPERTY(QVariantList tabs READ tabs CONSTANT)
    Q_PROPERTY(QVariantList settingsSections READ settingsSections CONSTANT)
    /** The settings section the larger screens show. */
    Q_PROPERTY(Screens::Screen settingsSection READ settingsSection WRITE setSettingsSection NOTIFY
                   settingsSectionChanged)
    Q_PROPERTY(QString logbookName READ logbookName NOTIFY logbookNameChanged)
    Q_PROPERTY(LogbookSelection *logbooks READ logbooks CONSTANT)
    Q_PROPERTY(LogbookFileImport *logbookImport READ logbookImport CONSTANT)
    Q_PROPERTY(AdifImportScreen *adifImport READ adifImport CONSTANT)
    Q_PROPERTY(StationSettings *station READ station CONSTANT)
    /** The station profiles and the active one (the frame's profile switch). */
    Q_PROPERTY(StationProfiles *stationProfiles READ stationProfiles CONSTANT)
    Q_PROPERTY(ProfileEditor *profileEditor READ profileEditor CONSTANT)
    Q_PROPERTY(ActivationPanel *activation READ activation CONSTANT)
    Q_PROPERTY(UserFieldSettings *userFields READ userFields CONSTANT)
    Q_PROPERTY(DateStyleSettings *dateStyle READ dateStyle CONSTANT)
    Q_PROPERTY(LanguageSettings *language READ language CONSTANT)
    Q_PROPERTY(BandTableSettings *bandTable READ bandTable CONSTANT)
    Q_PROPERTY(MemberListDownload *lotwUsers READ lotwUsers CONSTANT)
    Q_PROPERTY(MemberListDownload *eqslUsers READ eqslUsers CONSTANT)
    Q_PROPERTY(CountryFileSettings *countryFile READ countryFile CONSTANT)
    Q_PROPERTY(QsoEntryForm *entryForm READ entryForm CONSTANT)
    Q_PROPERTY(LogListModel *logList READ logList CONSTANT)
    Q_PROPERTY(QsoEditor *qsoEditor READ qsoEditor CONSTANT)
    Q_PROPERTY(PileUp *pileUp READ pileUp CONSTANT)
    Q_PROPERTY(cluster::ClusterScreen *cluster READ cluster CONSTANT)
    Q_PROPERTY(LotwScreen *lotw READ lotw CONSTANT)
    Q_PROPERTY(EqslScreen *eqsl READ eqsl CONSTANT)
    Q_PROPERTY(ClublogScreen *clublog READ clublog CONSTANT)
    Q_PROPERTY(QrzScreen *qrz READ qrz CONSTANT)
    Q_PROPERTY(WavelogScreen *wavelog READ wavelog CONSTANT)
    Q_PROPERTY(map::GraylineScreen *grayline READ grayline CONSTANT)
    Q_PROPERTY(dxcc::DxccScreen *dxcc READ dxcc CONSTANT)
    Q_PROPERTY(stats::StatisticsScreen *statistics READ statistics CONSTANT)
    Q_PROPERTY(awards::AwardsScreen *awards READ awards CONSTANT)
    Q_PROPERTY(trx::TrxScreen *trx READ trx CONSTANT)
    Q_PROPERTY(trx::ElecraftPanel *elecraft READ elecraft CONSTANT)
    Q_PROPERTY(WsjtxSettings *wsjtx READ wsjtx CONSTANT)
    Q_PROPERTY(SyncScreen *sync READ sync CONSTANT)
    Q_PROPERTY(LookupScreen *lookup READ lookup CONSTANT)
    Q_PROPERTY(LookupSettings *lookupSettings READ lookupSettings CONSTANT)
    Q_PROPERTY(scanner::ScannerScreen *scanner READ scanner CONSTANT)
    Q_PROPERTY(scanner::ScanReceiver *qslReceiver READ qslReceiver CONSTANT)
public:
    /** Tab indexes; the shortcuts address the first, second and fifth. */
    enum Tab { LogTab = 0, ClusterTab, MapTab, DxccTab, QslTab, SettingsTab, TabCount };
    Q_ENUM(Tab)
    /** The screen set: the phone's tab bar and stacks, or the larger screens'. */
    enum class Layout { Phone, Tablet };
    Q_ENUM(Layout)

    AppShell(AppDelegate &app, Layout layout, QObject *parent = nullptr);
    ~AppShell() override;

    /** "DX_Cluster", "New_Qso" or "QSLs", as from the home screen. */
    Q_INVOKABLE void performShortcut(const QString &name);
    /** A file handed to the application (path or "file:" URL). */
    Q_INVOKABLE void openFile(const QString &pathOrUrl);
    /** The window gained or lost the focus. */
    Q_INVOKABLE void setWindowActive(bool active);
    /** The window was minimised. */
    Q_INVOKABLE void windowHidden();
    /** Shows a screen as the user would reach it; false for one this screen set only opens
     *  from another (EditQso, QsoInfo, the tablet's PileUp). */
    Q_INVOKABLE bool showScreen(Screens::Screen screen);
    /** Every screen showScreen() shows in this screen set, in the screenshots' order. */
    [[nodiscard]] QList<screens::Screen> screenshotScreens() const;

    [[nodiscard]] Layout layout() const { return m_layout; }
    [[nodiscard]] int currentTab() const { return m_currentTab; }
    void setCurrentTab(int tab);
    [[nodiscard]] static QVariantList tabs();
    [[nodiscard]] static QVariantList settingsSections();
    [[nodiscard]] screens::Screen settingsSection() const { return m_settingsSection; }
    /** Ignores a screen that is no settings section. */
    void setSettingsSection(screens::Screen section);
    [[nodiscard]] const QString &logbookName() const { return m_logbookName; }

    [[nodiscard]] LogbookSelection *logbooks() const { return m_logbooks; }
    [[nodiscard]] LogbookFileImport *logbookImport() const { return m_logbookImport; }
    [[nodiscard]] AdifImportScreen *adifImport() const { return m_adifImport; }
    [[nodiscard]] StationSettings *station() const { return m_station; }
    [[nodiscard]] StationProfiles *stationProfiles() const { return m_stationProfiles; }
    [[nodiscard]] ProfileEditor *profileEditor() const { return m_profileEditor; }
    [[nodiscard]] ActivationPanel *activation() const { return m_activation; }
    [[nodiscard]] UserFieldSettings *userFields() const { return m_userFields; }
    [[nodiscard]] DateStyleSettings *dateStyle() const { return m_dateStyle; }
    [[nodiscard]] LanguageSettings *language() const { return m_language; }
    [[nodiscard]] BandTableSettings *bandTable() const { return m_bandTable; }
    [[nodiscard]] MemberListDownload *lotwUsers() const { return m_lotwUsers; }
    [[nodiscard]] MemberListDownload *eqslUsers() const { return m_eqslUsers; }
    [[nodiscard]] CountryFileSettings *countryFile() const { return m_countryFile; }
    [[nodiscard]] QsoEntryForm *entryForm() const { return m_entryForm; }
    [[nodiscard]] LogListModel *logList() const { return m_logList; }
    [[nodiscard]] QsoEditor *qsoEditor() const { return m_qsoEditor; }
    [[nodiscard]] PileUp *pileUp() const { return m_pileUp; }
    [[nodiscard]] cluster::ClusterScreen *cluster() const { return m_cluster; }
    [[nodiscard]] LotwScreen *lotw() const { return m_lotw; }
    [[nodiscard]] EqslScreen *eqsl() const { return m_eqsl; }
    [[nodiscard]] ClublogScreen *clublog() const { return m_clublog; }
    [[nodiscard]] QrzScreen *qrz() const { return m_qrz; }
    [[nodiscard]] WavelogScreen *wavelog() const { return m_wavelog; }
    [[nodiscard]] map::GraylineScreen *grayline() const { return m_grayline; }
    [[nodiscard]] dxcc::DxccScreen *dxcc() const { return m_dxcc; }
    [[nodiscard]] stats::StatisticsScreen *statistics() const { return m_statistics; }
    [[nodiscard]] awards::AwardsScreen *awards() const { return m_awards; }
    [[nodiscard]] trx::TrxScreen *trx() const { return m_trx; }
    [[nodiscard]] trx::ElecraftPanel *elecraft() const { return m_elecraft; }
    [[nodiscard]] WsjtxSettings *wsjtx() const { return m_wsjtx; }
    [[nodiscard]] SyncScreen *sync() const { return m_sync; }
    [[nodiscard]] LookupScreen *lookup() const { return m_lookup; }
    [[nodiscard]] LookupSettings *lookupSettings() const { return m_lookupSettings; }
    [[nodiscard]] scanner::ScannerScreen *scanner() const { return m_scanner; }
    [[nodiscard]] scanner::ScanReceiver *qslReceiver() const { return m_qslReceiver; }

signals:
    void currentTabChanged();
    void settingsSectionChanged();
    void logbookNameChanged();
    /** Open a screen over a tab: a settings section (AdifImport, Logbooks; any on the phone),
     *  a QSO screen (QsoDetail, QsoInfo, NewQso, EditQso, PileUp), the phone's spot table
     *  (ClusterSpots), DX list (DxList), Club Log pane (Clublog) or logbook uploads (QslServices),
     * or the callsign lookup. */
    void screenRequested(int tab, Screens::Screen screen);
    /** Return a tab to its first screen. */
    void rootRequested(int tab);

private:
    [[nodiscard]] bool onPhone() const { return m_layout == Layout::Phone; }
    /** What differs in behaviour between the screen sets. */
    void useLayout();
    void adifHanded(const QString &path);
    void logbookImported();
    void openLogbookSelection();
    void readLogbookName();
    // The log list, the QSO screens and the pile-up (AppShellLog.cpp).
    void setUpLog();
    bool showLogScreen(screens::Screen screen);
    bool showDxccScreen(screens::Screen screen);
    void showOverTab(Tab tab, screens::Screen screen);
    // Station profiles and activations (AppShellStation.cpp).
    void setUpStation();
    bool showStationScreen(screens::Screen screen);
    // The callsign lookup page (AppShellLookup.cpp).
    void setUpLookup();
    /** Connects the screens, the radio and the models (AppShellWiring.cpp). */
    void wire();
    void openLookup(int tab, const QString &callsign, const QString &service);
    void showLookupPage(int tab);
    bool showLookupScreen(screens::Screen screen);
    // Contest logging (AppShellContest.cpp).
    Q_PROPERTY(ContestScreen *contest READ contest CONSTANT)
public:
    [[nodiscard]] ContestScreen *contest() const { return m_contestScreen; }

private:
    void setUpContest();
    bool showContestScreen(screens::Screen screen);
    std::unique_ptr<ContestCatalog> m_contestCatalog;
    ContestSession *m_contestSession = nullptr;
    ContactBroadcast *m_contactBroadcast = nullptr;
    ContestScreen *m_contestScreen = nullptr;

    AppDelegate &m_app;
    const Layout m_layout;
    int m_currentTab = LogTab;
    screens::Screen m_settingsSection;
    QString m_logbookName;
    FileHandOff *m_fileHandOff;
    LogbookSelection *m_logbooks;
    LogbookFileImport *m_logbookImport;
    AdifImportScreen *m_adifImport;
    StationSettings *m_station;
    StationProfiles *m_stationProfiles = nullptr;
    ProfileEditor *m_profileEditor = nullptr;
    ActivationPanel *m_activation = nullptr;
    UserFieldSettings *m_userFields;
    DateStyleSettings *m_dateStyle;
    LanguageSettings *m_language = nullptr;
    BandTableSettings *m_bandTable;
    MemberListDownload *m_lotwUsers;
    MemberListDownload *m_eqslUsers;
    CountryFileSettings *m_countryFile;
    QsoEntryForm *m_entryForm;
    LogListModel *m_logList = nullptr;
    QsoEditor *m_qsoEditor = nullptr;
    PileUp *m_pileUp = nullptr;
    cluster::ClusterScreen *m_cluster;
    map::GraylineScreen *m_grayline;
    dxcc::DxccScreen *m_dxcc;
    stats::StatisticsScreen *m_statistics;
    awards::AwardsScreen *m_awards;
    QNetworkAccessManager *m_network;
    LotwScreen *m_lotw;
    EqslScreen *m_eqsl;
    // The radio stays connected while the application runs, whichever screen is shown.
    trx::TrxController *m_trxController;
    trx::TrxScreen *m_trx;
    trx::ElecraftPanel *m_elecraft;
    WsjtxSettings *m_wsjtx;
    LookupScreen *m_lookup = nullptr;
    LookupSettings *m_lookupSettings = nullptr;
    std::unique_ptr<LookupLauncher> m_lookupLauncher;
    ClublogScreen *m_clublog;
    QrzScreen *m_qrz;
    WavelogScreen *m_wavelog;
    // QRZ.com and Wavelog take new QSOs whichever screen is shown.
    AutoUpload *m_autoUpload;
    // Syncing runs while the synced log is in use, whichever screen is shown.
    logsync::SyncService *m_syncService;
    SyncScreen *m_sync;
    scanner::ScannerScreen *m_scanner;
    // Cards are received whichever screen is shown.
    scanner::ScanReceiver *m_qslReceiver;
};
