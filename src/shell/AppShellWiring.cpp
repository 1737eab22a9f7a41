// How the application's parts tell each other things: every connection between two screens,
// or between a screen and a device, is made here, once. A screen follows the models it is
// handed (LogModel's logbookSwitched, qsosChanged and settingsChanged; UserDefaults::changed)
// by itself; what one screen asks of another (a spot to log, a locator to draw, a radio to
// tune) is a signal of the asking screen connected below to the one that does it.

#include "shell/AppShell.h"

#include "entry/QsoEntryForm.h"
#include "root/AppDelegate.h"
#include "shell/DateStyleSettings.h"
#include "shell/FileHandOff.h"
#include "shell/LogbookFileImport.h"
#include "trx/TrxController.h"

void AppShell::wire()
{
    LogModel &log = m_app.log();
    connect(&log, &LogModel::logbookSwitched, this, &AppShell::readLogbookName);

    // A spot taken from the cluster starts a QSO in the entry form and tunes the radio.
    connect(m_cluster, &cluster::ClusterScreen::spotTaken, m_entryForm, &QsoEntryForm::takeSpot);
    connect(m_cluster, &cluster::ClusterScreen::spotTaken, m_trxController,
            &trx::TrxController::tuneToSpot);
    connect(m_cluster, &cluster::ClusterScreen::tuneRequested, m_trxController,
            &trx::TrxController::tuneToSpot);
    // A station found by a lookup starts a QSO too.
    connect(m_lookup, &LookupScreen::stationTaken, m_entryForm, &QsoEntryForm::takeOverRecord);
    // A record taken over brings the entry form to the front.
    connect(m_entryForm, &QsoEntryForm::frontRequested, this, [this] { setCurrentTab(LogTab); });

    // The radio and the entry form: what the radio reads fills the form; a frequency typed into
    // the callsign field tunes the radio.
    connect(m_trxController, &trx::TrxController::radioRead, m_entryForm,
            &QsoEntryForm::takeTrxData);
    connect(m_entryForm, &QsoEntryForm::tuneRequested, m_trxController,
            &trx::TrxController::tuneToSpot);

    // The map draws the path to the station the form or a lookup is about.
    connect(m_entryForm, &QsoEntryForm::endLocatorChanged, m_grayline,
            &map::GraylineScreen::setEndLocator);
    connect(m_lookup, &LookupScreen::endLocatorFound, m_grayline,
            &map::GraylineScreen::setEndLocator);

    // Settings the entry form and the map show.
    connect(m_lookupSettings, &LookupSettings::changed, m_entryForm,
            &QsoEntryForm::preferencesChanged);
    connect(m_dateStyle, &DateStyleSettings::changed, m_entryForm,
            &QsoEntryForm::preferencesChanged);
    connect(m_dateStyle, &DateStyleSettings::changed, m_grayline, &map::GraylineScreen::loadPrefs);

    // Files handed to the application.
    connect(m_fileHandOff, &FileHandOff::adifHanded, this, &AppShell::adifHanded);
    connect(m_fileHandOff, &FileHandOff::logbookHanded, m_logbookImport,
            &LogbookFileImport::importFile);
    connect(m_logbookImport, &LogbookFileImport::imported, this, &AppShell::logbookImported);

    // The camera is let go when the application goes to the background; the phone also leaves
    // the scanner's page.
    connect(&m_app, &AppDelegate::wentToBackground, m_scanner,
            &scanner::ScannerScreen::wentToBackground);
    connect(m_scanner, &scanner::ScannerScreen::leaveRequested, this, [this] {
        if (onPhone())
            emit rootRequested(SettingsTab);
    });

    // Work done only while a tab is in front: the statistics, the Club Log count.
    connect(this, &AppShell::currentTabChanged, m_dxcc,
            [this] { m_dxcc->setShown(m_currentTab == DxccTab); });
    connect(this, &AppShell::currentTabChanged, m_awards,
            [this] { m_awards->setShown(m_currentTab == DxccTab); });
    connect(this, &AppShell::currentTabChanged, m_clublog,
            [this] { m_clublog->setShown(m_currentTab == QslTab); });
    connect(this, &AppShell::currentTabChanged, m_qrz,
            [this] { m_qrz->setShown(m_currentTab == QslTab); });
    connect(this, &AppShell::currentTabChanged, m_wavelog,
            [this] { m_wavelog->setShown(m_currentTab == QslTab); });
}
