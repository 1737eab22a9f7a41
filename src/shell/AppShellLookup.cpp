// The shell's part of the callsign lookup: who opens the page and what the screenshots show.

#include "shell/AppShell.h"

#include "root/AppDelegate.h"
#include "services/LookupAccount.h"
#include "services/LookupScreen.h"
#include "shell/LookupLauncher.h"

namespace {

/** A made-up station as QRZ would describe it: the screenshots never ask the network. */
constexpr char kSampleReply[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?><QRZDatabase version=\"1.34\"><Callsign>"
    "<call>n0xyz</call><fname>ALEX Q</fname><name>SAMPLE</name><addr2>MIAMI</addr2>"
    "<state>FL</state><zip>33101</zip><country>United States</country><cqzone>5</cqzone>"
    "<ituzone>8</ituzone><grid>el95tt</grid><lat>25.774</lat><lon>-80.193</lon>"
    "<county>Dade</county><qslmgr>DIRECT</qslmgr><email>n0xyz@example.org</email>"
    "<url>example.org/n0xyz</url><iota>NA-062</iota><lotw>1</lotw><eqsl>1</eqsl>"
    "<GMTOffset>-5</GMTOffset><u_views>1234</u_views></Callsign><Session><Count>42</Count>"
    "<SubExp>Thu Dec 31 23:59:59 2026</SubExp></Session></QRZDatabase>";

} // namespace

void AppShell::setUpLookup()
{
    m_lookup = new LookupScreen(m_app.defaults(), m_app.secrets(), *m_network, this);
    m_lookupSettings = new LookupSettings(m_app.defaults(), m_app.secrets(), this);
    m_lookupLauncher = std::make_unique<LookupLauncher>(
        [this](const QString &callsign) { openLookup(LogTab, callsign, {}); });
    m_entryForm->setLookupService(m_lookupLauncher.get());
    m_entryForm->setSecretStore(m_app.secrets());
    connect(m_logList, &LogListModel::lookupRequested, this,
            [this](const QString &callsign, const QString &service) {
                openLookup(LogTab, callsign, service);
            });
    connect(m_cluster, &cluster::ClusterScreen::lookupRequested, this,
            [this](const QString &callsign) { openLookup(ClusterTab, callsign, {}); });
}

void AppShell::openLookup(int tab, const QString &callsign, const QString &service)
{
    showLookupPage(tab);
    if (service.isEmpty())
        m_lookup->lookUp(callsign);
    else
        m_lookup->lookUpWith(callsign, service);
}

void AppShell::showLookupPage(int tab)
{
    // The larger screens show it over the log (where its record goes), the phone over the tab
    // that asked.
    const int shownOn = onPhone() ? tab : int(LogTab);
    setCurrentTab(shownOn);
    emit screenRequested(shownOn, screens::Screen::Lookup);
}

bool AppShell::showLookupScreen(screens::Screen screen)
{
    if (screen != screens::Screen::Lookup)
        return false;
    m_lookup->showReply(lookup::Service::Qrz, QStringLiteral("N0XYZ"), QByteArray(kSampleReply));
    showLookupPage(LogTab);
    return true;
}
