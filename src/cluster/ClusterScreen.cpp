#include "cluster/ClusterScreen.h"

#include "app/Clock.h"
#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "model/QsoClass.h"
#include "refdata/Bands.h"
#include "refdata/MyFunctions.h"

namespace cluster {
namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

QString withoutDots(QString callsign)
{
    return callsign.remove(u'.');
}

/** The log's mode for a spot's mode class. */
QString logMode(const QString &mode)
{
    if (mode == QLatin1String("Phone"))
        return QStringLiteral("SSB");
    if (mode == QLatin1String("PSK"))
        return QStringLiteral("PSK31");
    return mode;
}

} // namespace

ClusterScreen::ClusterScreen(UserDefaults &defaults, NotificationCenter &centre, const Clock &clock,
                             LogModel &log, DXCCModel &dxcc, MyFunctions &functions, bool phone,
                             QObject *parent)
    : QObject(parent), m_defaults(defaults), m_notifications(centre), m_clock(clock), m_log(log),
      m_functions(functions), m_phone(phone), m_session(new ClusterSession(this)),
      m_terminal(new TerminalModel(this)), m_spots(new SpotTableModel(this)),
      m_nodes(new ClusterNodeList(defaults, centre, this)),
      m_macros(new ClusterMacros(defaults, centre, phone, this)),
      m_options(new ClusterOptions(defaults, centre, this)), m_maker(log, dxcc)
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

    const auto reload = [this](const QVariant &) { loadPrefs(); };
    centre.observe(key(notifications::DxPrefsWereChanged), this, reload);
    centre.observe(key(notifications::PrefsWereChanged), this, reload);
    centre.observe(key(notifications::NewLogSelected), this, reload);
    centre.observe(key(notifications::ConnectToCluster), this,
                   [this](const QVariant &) { connectToCluster(); });
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
    m_notifications.post(key(notifications::SetTrxData), QVariant::fromValue(*spot));
    QsoClass qso;
    qso.callsign = withoutDots(spot->dxCall);
    qso.qrg = spot->qrg;
    qso.mode = logMode(spot->mode);
    qso.id = 73; // marks a record taken over from the cluster
    m_notifications.post(key(m_phone ? notifications::Qso4Log1 : notifications::Qso4Log),
                         QVariant::fromValue(qso));
}

void ClusterScreen::qsyTrx(int row)
{
    if (const OneDxSpotClass *spot = spotAt(row))
        m_notifications.post(key(notifications::SetTrxData), QVariant::fromValue(*spot));
}

void ClusterScreen::showAllSpots(int row)
{
    const OneDxSpotClass *spot = spotAt(row);
    if (!spot)
        return;
    const QString callsign = withoutDots(spot->dxCall);
    m_spots->setSegment(SpotList::kAllSpotsSegment);
    m_spots->setSearch(callsign);
}

void ClusterScreen::lookUp(int row)
{
    if (const OneDxSpotClass *spot = spotAt(row))
        emit lookupRequested(withoutDots(spot->dxCall));
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
