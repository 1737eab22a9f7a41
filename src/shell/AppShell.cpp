#include "shell/AppShell.h"

#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "services/ServicePasswords.h"
#include "shell/BandTableSettings.h"
#include "shell/CountryFileSettings.h"
#include "shell/DateStyleSettings.h"
#include "shell/FileHandOff.h"
#include "shell/LogbookFileImport.h"
#include "shell/LogbookSelection.h"
#include "shell/LookupLauncher.h"
#include "shell/MemberListDownload.h"
#include "shell/StationSettings.h"
#include "shell/UserFieldSettings.h"
#include "shell/WsjtxSettings.h"
#include "sync/LocalReplica.h"
#include "sync/SyncSetup.h"
#include "trx/TrxController.h"
#include "wsjtx/WsjtxLogger.h"

#include <QNetworkAccessManager>

namespace {

using screens::Screen;

QVariantMap tab(const char *title, const char *missing)
{
    return {{QStringLiteral("title"), AppShell::tr(title)},
            {QStringLiteral("built"), missing == nullptr},
            {QStringLiteral("missing"), missing ? AppShell::tr(missing) : QString()}};
}

QVariantMap section(Screen screen, const char *title)
{
    return {{QStringLiteral("screen"), int(screen)},
            {QStringLiteral("title"), AppShell::tr(title)}};
}

// The tabs' first screens are in the tabs' order.
static_assert(int(Screen::Log) == AppShell::LogTab &&
              int(Screen::Settings) == AppShell::SettingsTab);

[[nodiscard]] bool isTab(Screen screen)
{
    return int(screen) >= AppShell::LogTab && int(screen) <= AppShell::SettingsTab;
}

[[nodiscard]] bool isSettingsSection(Screen screen)
{
    return screen >= Screen::Logbooks && screen <= Screen::Scanner;
}

// The titles of tabs() and settingsSections(), marked here for the translators.
[[maybe_unused]] constexpr const char *kTitles[] = {
    QT_TRANSLATE_NOOP("AppShell", "Log"),
    QT_TRANSLATE_NOOP("AppShell", "Cluster"),
    QT_TRANSLATE_NOOP("AppShell", "Map"),
    QT_TRANSLATE_NOOP("AppShell", "DXCC"),
    QT_TRANSLATE_NOOP("AppShell", "QSL"),
    QT_TRANSLATE_NOOP("AppShell", "Settings"),
    QT_TRANSLATE_NOOP("AppShell", "Logbooks"),
    QT_TRANSLATE_NOOP("AppShell", "Station"),
    QT_TRANSLATE_NOOP("AppShell", "User fields"),
    QT_TRANSLATE_NOOP("AppShell", "Date style"),
    QT_TRANSLATE_NOOP("AppShell", "Band table"),
    QT_TRANSLATE_NOOP("AppShell", "LoTW and eQSL users"),
    QT_TRANSLATE_NOOP("AppShell", "Country file"),
    QT_TRANSLATE_NOOP("AppShell", "ADIF import"),
    QT_TRANSLATE_NOOP("AppShell", "DX cluster"),
    QT_TRANSLATE_NOOP("AppShell", "Callsign lookup"),
    QT_TRANSLATE_NOOP("AppShell", "Transceiver"),
    QT_TRANSLATE_NOOP("AppShell", "WSJT-X"),
    QT_TRANSLATE_NOOP("AppShell", "Synced log"),
    QT_TRANSLATE_NOOP("AppShell", "Language"),
    QT_TRANSLATE_NOOP("AppShell", "QSL card scanner"),
};

} // namespace

AppShell::AppShell(AppDelegate &app, Layout layout, QObject *parent)
    : QObject(parent), m_app(app), m_layout(layout), m_settingsSection(Screen::Logbooks),
      m_fileHandOff(new FileHandOff(this)),
      m_logbooks(new LogbookSelection(app.defaults(), app.log(), app.folder(), this)),
      m_logbookImport(new LogbookFileImport(app.folder(), this)),
      m_adifImport(new AdifImportScreen(app.defaults(), app.log(), app.dxcc(), this)),
      m_station(new StationSettings(app.log(), this)),
      m_userFields(new UserFieldSettings(app.log(), this)),
      m_dateStyle(new DateStyleSettings(app.defaults(), app.clock(), this)),
      m_bandTable(new BandTableSettings(app.defaults(), this)),
      m_lotwUsers(new MemberListDownload(app.defaults(), app.log(), app.folder(),
                                         MemberListDownload::Kind::Lotw, this)),
      m_eqslUsers(new MemberListDownload(app.defaults(), app.log(), app.folder(),
                                         MemberListDownload::Kind::Eqsl, this)),
      m_countryFile(new CountryFileSettings(app.defaults(), app.folder(), this)),
      m_entryForm(new QsoEntryForm(app.defaults(), app.clock(), app.log(), app.dxcc(),
                                   app.functions(), this)),
      m_cluster(new cluster::ClusterScreen(app.defaults(), app.clock(), app.log(), app.dxcc(),
                                           app.functions(), this)),
      m_grayline(new map::GraylineScreen(app.defaults(), app.clock(), app.log(), this)),
      m_dxcc(new dxcc::DxccScreen(app.log(), this)),
      m_statistics(new stats::StatisticsScreen(app.log(), app.dxcc(), this)),
      m_awards(new awards::AwardsScreen(app.log(), this)),
      m_network(new QNetworkAccessManager(this)),
      m_lotw(new LotwScreen(app.log(), app.dxcc(), app.defaults(), app.secrets(), app.clock(),
                            *m_network, this)),
      m_eqsl(
          new EqslScreen(app.log(), app.defaults(), app.secrets(), app.clock(), *m_network, this)),
      m_trxController(new trx::TrxController(app.functions(), this)),
      m_trx(new trx::TrxScreen(app.defaults(), *m_trxController, this)),
      m_elecraft(new trx::ElecraftPanel(app.defaults(), *m_trxController, this)),
      m_wsjtx(new WsjtxSettings(app.defaults(), app.clock(), app.log(), app.dxcc(), this)),
      m_clublog(new ClublogScreen(app.log(), app.defaults(), app.secrets(), app.clock(), *m_network,
                                  this)),
      m_qrz(new QrzScreen(app.log(), app.defaults(), app.secrets(), app.clock(), *m_network, this)),
      m_wavelog(new WavelogScreen(app.log(), app.defaults(), app.secrets(), app.clock(), *m_network,
                                  this)),
      m_autoUpload(
          new AutoUpload(app.log(), *m_network, app.defaults(), app.secrets(), app.clock(), this)),
      m_syncService(new logsync::SyncService(
          app.log(), app.clock(),
          [&app] {
              const auto copy = syncsetup::copyPath(app.folder());
              const QString server =
                  copy ? logsync::LocalReplica(*copy).state(QStringLiteral("server")) : QString();
              return servicepasswords::syncServerPassword(app.secrets(), app.defaults(), server);
          },
          this)),
      m_sync(new SyncScreen(
          app.log(), app.defaults(), app.folder(), *m_syncService,
          [&app](const QString &server, const QString &password) {
              servicepasswords::setSyncServerPassword(app.secrets(), app.defaults(), server,
                                                      password);
          },
          this)),
      m_scanner(new scanner::ScannerScreen(app.defaults(), app.clock(), this)),
      m_qslReceiver(new scanner::ScanReceiver(app.defaults(), app.clock(), app.log(), true, this))
{
    m_language = new LanguageSettings(app.defaults(), LanguageSettings::defaultFolder(), this);
    readLogbookName();
    setUpLog();
    setUpStation();
    setUpLookup();
    setUpContest();
    useLayout();
    wire();
    if (m_app.connectToCluster) {
        m_app.connectToCluster = false;
        m_cluster->connectToCluster();
    }
}

AppShell::~AppShell()
{
    // The logbook model outlives the frame; its new QSOs are no longer stamped.
    m_app.log().setNewQsoStamp(nullptr);
}

void AppShell::performShortcut(const QString &name)
{
    if (name == QLatin1String("DX_Cluster")) {
        setCurrentTab(ClusterTab);
        m_cluster->connectToCluster();
    } else if (name == QLatin1String("New_Qso")) {
        setCurrentTab(LogTab);
        if (onPhone()) {
            emit rootRequested(LogTab);
            emit screenRequested(LogTab, Screen::NewQso);
        }
    } else if (name == QLatin1String("QSLs") && onPhone()) {
        setCurrentTab(QslTab); // the LoTW screen is its first
    }
}

void AppShell::useLayout()
{
    // The phone's form is a page opened for one QSO (records from the cluster and the lookup
    // open it), the larger screens' a panel above the log.
    m_entryForm->setUse(onPhone() ? QsoEntryForm::Use::Page : QsoEntryForm::Use::Panel);
    if (!onPhone())
        return;
    // The phone's logbook screen is a stack page: the choice applies when it is left.
    m_logbooks->setChoiceOnLeave(true);
}

void AppShell::openFile(const QString &pathOrUrl)
{
    m_fileHandOff->openFile(pathOrUrl);
}

void AppShell::setWindowActive(bool active)
{
    if (!active)
        m_app.applicationWillResignActive();
}

void AppShell::windowHidden()
{
    m_app.applicationDidEnterBackground();
}

bool AppShell::showScreen(Screen screen)
{
    // The panel lies over the transceiver screen; any other screen closes it.
    m_elecraft->setShown(false);
    if (screen == Screen::Elecraft) {
        showScreen(Screen::Transceiver);
        m_elecraft->setShown(true);
        return true;
    }
    if (showLogScreen(screen) || showDxccScreen(screen) || showLookupScreen(screen) ||
        showStationScreen(screen) || showContestScreen(screen))
        return true;
    if (isTab(screen)) {
        emit rootRequested(int(screen));
        setCurrentTab(int(screen));
        return true;
    }
    if (isSettingsSection(screen)) {
        emit rootRequested(SettingsTab);
        setCurrentTab(SettingsTab);
        setSettingsSection(screen);
        if (onPhone())
            emit screenRequested(SettingsTab, screen);
        return true;
    }
    switch (screen) {
    case Screen::NewQso:
        showOverTab(LogTab, screen);
        return true;
    case Screen::Clublog:
        showOverTab(QslTab, screen);
        return true;
    case Screen::QslServices:
        // Their own page on the larger screens too.
        emit rootRequested(QslTab);
        setCurrentTab(QslTab);
        emit screenRequested(QslTab, screen);
        return true;
    case Screen::ClusterSpots:
        showOverTab(ClusterTab, screen);
        return true;
    case Screen::HandedAdifFile:
        emit rootRequested(LogTab);
        setCurrentTab(LogTab);
        emit screenRequested(LogTab, Screen::AdifImport);
        return true;
    default:
        return false;
    }
}

void AppShell::showOverTab(Tab tab, Screen screen)
{
    // The larger screens show these on the tab itself.
    emit rootRequested(tab);
    setCurrentTab(tab);
    if (onPhone())
        emit screenRequested(tab, screen);
}

QList<Screen> AppShell::screenshotScreens() const
{
    QList<Screen> shown;
    for (int tab = LogTab; tab < TabCount; ++tab)
        shown << Screen(tab);
    for (const QVariant &entry : settingsSections())
        shown << Screen(entry.toMap().value(QStringLiteral("screen")).toInt());
    shown << Screen::HandedAdifFile << Screen::NewQso << Screen::ClusterSpots << Screen::DxList
          << Screen::Clublog << Screen::QslServices << Screen::QsoDetail << Screen::StationProfiles
          << Screen::Activation;
    if (onPhone())
        shown << Screen::PileUp;
    shown << Screen::Lookup << Screen::Elecraft << Screen::Contest << Screen::Awards
          << Screen::Statistics;
    return shown;
}

void AppShell::setCurrentTab(int tab)
{
    if (tab < 0 || tab >= TabCount || tab == m_currentTab)
        return;
    m_currentTab = tab;
    emit currentTabChanged();
}

QVariantList AppShell::tabs()
{
    return {
        tab("Log", nullptr),  tab("Cluster", nullptr), tab("Map", nullptr),
        tab("DXCC", nullptr), tab("QSL", nullptr),     tab("Settings", nullptr),
    };
}

QVariantList AppShell::settingsSections()
{
    return {section(Screen::Logbooks, "Logbooks"),
            section(Screen::Station, "Station"),
            section(Screen::UserFields, "User fields"),
            section(Screen::DateStyle, "Date style"),
            section(Screen::BandTable, "Band table"),
            section(Screen::MemberLists, "LoTW and eQSL users"),
            section(Screen::CountryFile, "Country file"),
            section(Screen::AdifImport, "ADIF import"),
            section(Screen::ClusterSettings, "DX cluster"),
            section(Screen::LookupAccounts, "Callsign lookup"),
            section(Screen::Transceiver, "Transceiver"),
            section(Screen::Wsjtx, "WSJT-X"),
            section(Screen::SyncedLog, "Synced log"),
            section(Screen::Language, "Language"),
            section(Screen::Scanner, "QSL card scanner")};
}

void AppShell::setSettingsSection(Screen section)
{
    if (section == m_settingsSection || !isSettingsSection(section))
        return;
    m_settingsSection = section;
    emit settingsSectionChanged();
}

void AppShell::adifHanded(const QString &path)
{
    emit rootRequested(LogTab);
    setCurrentTab(LogTab);
    emit screenRequested(LogTab, Screen::AdifImport);
    m_adifImport->loadFile(path);
}

void AppShell::logbookImported()
{
    m_logbooks->newLogImported();
    openLogbookSelection();
}

void AppShell::openLogbookSelection()
{
    // The phone shows it over the first tab, the tablet in its settings.
    if (onPhone()) {
        setCurrentTab(LogTab);
        emit screenRequested(LogTab, Screen::Logbooks);
        return;
    }
    setCurrentTab(SettingsTab);
    setSettingsSection(Screen::Logbooks);
}

void AppShell::readLogbookName()
{
    const QString name = m_app.log().logDbName();
    if (name == m_logbookName)
        return;
    m_logbookName = name;
    emit logbookNameChanged();
}

bool AppShell::showDxccScreen(Screen screen)
{
    const bool list = screen == Screen::DxList;
    if (!list && screen != Screen::Dxcc && screen != Screen::Statistics && screen != Screen::Awards)
        return false;
    emit rootRequested(DxccTab);
    setCurrentTab(DxccTab);
    // The awards: a page over the phone's counter, the other side of the larger screens' tab.
    m_awards->setOpen(screen == Screen::Awards && !onPhone());
    if (screen == Screen::Awards) {
        if (onPhone())
            emit screenRequested(DxccTab, screen);
        return true;
    }
    // The statistics open over the DXCC tab on both screen sets.
    if (screen == Screen::Statistics) {
        emit screenRequested(DxccTab, screen);
        return true;
    }
    // The phone opens the list over the counter, the larger screens switch their sub-page.
    m_dxcc->setPage(list && !onPhone() ? 1 : 0);
    if (list && onPhone())
        emit screenRequested(DxccTab, Screen::DxList);
    return true;
}
