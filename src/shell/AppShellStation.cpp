// The frame's station profiles: the profile switch, the profiles screen and the activation.
#include "shell/AppShell.h"

#include "root/AppDelegate.h"

using screens::Screen;

void AppShell::setUpStation()
{
    m_stationProfiles = new StationProfiles(m_app.folder(), m_app.log(), this);
    // Every new QSO of the application (form, pile-up, cluster spot, WSJT-X) records it.
    m_app.log().setNewQsoStamp(m_stationProfiles);
    m_profileEditor = new ProfileEditor(*m_stationProfiles, this);
    m_activation =
        new ActivationPanel(m_app.log(), *m_stationProfiles, m_app.folder(), m_app.clock(), this);
}

bool AppShell::showStationScreen(Screen screen)
{
    if (screen != Screen::StationProfiles && screen != Screen::Activation)
        return false;
    // Settings another device changed arrive without a word; look before showing the list.
    m_stationProfiles->syncWithLogbook();
    if (screen == Screen::StationProfiles) {
        if (const QString active = m_stationProfiles->activeName(); !active.isEmpty())
            m_profileEditor->edit(active);
        else
            m_profileEditor->newProfile();
    } else {
        m_activation->refresh();
    }
    // Both screen sets open them over the log.
    emit rootRequested(LogTab);
    setCurrentTab(LogTab);
    emit screenRequested(LogTab, screen);
    return true;
}
