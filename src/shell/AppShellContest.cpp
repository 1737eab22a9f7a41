// The frame's contest logging: the session of the current logbook, its screen and the contact
// broadcast for other contest programs.
#include "shell/AppShell.h"

#include "contest/ContactBroadcast.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestSession.h"
#include "root/AppDelegate.h"

using screens::Screen;

void AppShell::setUpContest()
{
    m_contestCatalog = std::make_unique<ContestCatalog>(
        m_app.folder().filePath(QLatin1String(ContestCatalog::kFolderName)));
    m_contestSession = new ContestSession(m_app.log(), m_app.dxcc(), m_app.functions(),
                                          m_app.clock(), *m_contestCatalog, this);
    m_contestSession->restore();
    m_contactBroadcast = new ContactBroadcast(m_app.log(), m_app.defaults(), this);
    m_contestScreen =
        new ContestScreen(*m_contestSession, *m_contestCatalog, m_app.log(), m_app.clock(), this);
}

bool AppShell::showContestScreen(Screen screen)
{
    if (screen != Screen::Contest)
        return false;
    // Both screen sets open it over the log.
    emit rootRequested(LogTab);
    setCurrentTab(LogTab);
    emit screenRequested(LogTab, screen);
    return true;
}
