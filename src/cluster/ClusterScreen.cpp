#include "cluster/ClusterScreen.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "model/QsoClass.h"
#include "refdata/Bands.h"
#include "refdata/MyFunctions.h"

namespace cluster {

ClusterScreen::ClusterScreen(UserDefaults &defaults, const Clock &clock, LogModel &log,
                             DXCCModel &dxcc, MyFunctions &functions, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock), m_log(log), m_functions(functions),
      m_session(new ClusterSession(this)), m_terminal(new TerminalModel(this)),
      m_spots(new SpotTableModel(this)), m_nodes(new ClusterNodeList(defaults, this)),
      m_macros(new ClusterMacros(defaults, this)), m_options(new ClusterOptions(defaults, this)),
      m_maker(log, dxcc)
{
    connect(m_session, &ClusterSession::stateChanged, this, &ClusterScreen::stateChanged);
    connect(m_session, &ClusterSession::textReceived, m_terminal, &TerminalModel::addMessage);
    connect(m_session, &ClusterSession::lineReceived, this, &ClusterScreen::lineReceived);

    m_ageing.setInterval(kSpotAgeingMs);
    connect(&m_ageing, &QTimer::timeout, this, [this] { m_spots->age(m_clock.now()); });
    m_ageing.start();
    m_scrollPause.setSingleShot(true);
    m_scrollPause.setInterval(kScrollPauseMs);
    connect(&m_scrollPause, &QTimer::timeout, this, [this] {
        m_doNotScroll = false;
        emit doNotScrollChanged();
    });

    // The spot options, the band table, the logbook and its own call change what is shown and
    // how the node is greeted.
    connect(m_options, &ClusterOptions::optionsChanged, this, &ClusterScreen::loadPrefs);
    connect(&functions, &MyFunctions::optionsChanged, m_options, &ClusterOptions::optionsChanged);
    connect(m_nodes, &ClusterNodeList::nodesChanged, this, [this] {
        m_node = usedCluster(m_defaults);
        emit stateChanged();
    });
    connect(&log, &LogModel::logbookSwitched, this, &ClusterScreen::loadPrefs);
    connect(&log, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (entry == QLatin1String("mycall"))
            loadPrefs();
    });
    loadPrefs();
}

ClusterScreen::~ClusterScreen() = default;

void ClusterScreen::loadPrefs()
{
    m_nodes->reload();
    m_macros->reload();
    m_node = usedCluster(m_defaults);
    m_filter = SpotFilter::read(m_defaults);
    m_maker.readOptions(m_functions);
    // Without a callsign of our own there is nothing sensible to log in with: the user types it.
    const QString callsign = m_log.getMyCallsign().trimmed();
    const bool autoLogin = m_defaults.boolean(QStringLiteral("ClusterAutoConnect"));
    m_session->setLoginCall(autoLogin && callsign.size() >= 2 ? callsign : QString());
    emit stateChanged();
}

void ClusterScreen::connectToCluster()
{
    if (m_session->state() != ClusterSession::State::Disconnected)
        return;
    m_terminal->clear();
    m_session->connectTo(m_node);
}

void ClusterScreen::toggleConnection()
{
    if (m_session->state() == ClusterSession::State::Disconnected)
        connectToCluster();
    else
        m_session->disconnectFromNode();
}

bool ClusterScreen::sendCommand(const QString &text)
{
    return m_session->send(text);
}

QString ClusterScreen::fireMacro(int index)
{
    const QString text = m_macros->texts().value(index);
    if (const std::optional<QString> command = ClusterMacros::immediateCommand(text)) {
        m_session->send(*command);
        return {};
    }
    return text;
}

const OneDxSpotClass *ClusterScreen::spotAt(int row) const
{
    return row >= 0 && row < m_spots->rowCount() ? &m_spots->spotAt(row) : nullptr;
}

void ClusterScreen::useDataInLog(int row)
{
    const OneDxSpotClass *spot = spotAt(row);
    if (!spot)
        return;
    emit spotTaken(*spot);
}

void ClusterScreen::qsyTrx(int row)
{
    if (const OneDxSpotClass *spot = spotAt(row))
        emit tuneRequested(*spot);
}

void ClusterScreen::showAllSpots(int row)
{
    const OneDxSpotClass *spot = spotAt(row);
    if (!spot)
        return;
    const QString callsign = spot->plainCall();
    m_spots->setSegment(SpotList::kAllSpotsSegment);
    m_spots->setSearch(callsign);
}

void ClusterScreen::lookUp(int row)
{
    if (const OneDxSpotClass *spot = spotAt(row))
        emit lookupRequested(spot->plainCall());
}

void ClusterScreen::userScrolled()
{
    m_scrollPause.start();
    if (!m_doNotScroll) {
        m_doNotScroll = true;
        emit doNotScrollChanged();
    }
}

bool ClusterScreen::connected() const
{
    return m_session->state() == ClusterSession::State::Connected;
}

bool ClusterScreen::busy() const
{
    const ClusterSession::State state = m_session->state();
    return state == ClusterSession::State::Connecting ||
           state == ClusterSession::State::WaitingToReconnect;
}

QString ClusterScreen::buttonTitle() const
{
    return m_session->state() == ClusterSession::State::Disconnected ? tr("Connect")
                                                                     : tr("Disconnect");
}

QString ClusterScreen::title() const
{
    return connected() ? m_session->node().name : tr("Disconnected");
}

QStringList ClusterScreen::segments()
{
    QStringList names{tr("All")};
    for (int xBand = 1; xBand <= refdata::kBandCount; ++xBand)
        names.append(refdata::bandName(xBand));
    names.append(tr("All + old"));
    return names;
}

void ClusterScreen::lineReceived(const QString &line)
{
    const QDateTime now = m_clock.now();
    std::optional<OneDxSpotClass> spot = m_maker.spotFromDxDe(line, now);
    if (!spot || !m_filter.accepts(*spot))
        return;
    spot->ago = spotAge(spot->spotTimeStamp, now); // old spots (after "sh/dx") say so at once
    m_spots->enqueue(std::move(*spot));
}

} // namespace cluster
