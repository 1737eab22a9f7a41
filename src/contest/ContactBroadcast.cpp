#include "contest/ContactBroadcast.h"

#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "net/AsyncUdpSocket.h"

#include <QHostInfo>
#include <QUuid>

namespace {

const QString kOn = QStringLiteral("ContactBroadcastOn");
const QString kHost = QStringLiteral("ContactBroadcastHost");
const QString kPort = QStringLiteral("ContactBroadcastPort");

} // namespace

ContactBroadcast::ContactBroadcast(LogModel &log, const UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_log(log), m_defaults(defaults)
{
    m_station.stationName = QHostInfo::localHostName();
    connect(&m_log, &LogModel::qsosChanged, this, &ContactBroadcast::takeChange);
    connect(&m_log, &LogModel::logbookSwitched, this, [this] { m_known.clear(); });
}

ContactBroadcast::~ContactBroadcast() = default;

bool ContactBroadcast::isOn() const
{
    return m_defaults.contains(kOn) && m_defaults.boolean(kOn);
}

QString ContactBroadcast::host() const
{
    const QString host =
        m_defaults.contains(kHost) ? m_defaults.string(kHost).trimmed() : QString();
    return host.isEmpty() ? QStringLiteral("127.0.0.1") : host;
}

quint16 ContactBroadcast::port() const
{
    const qint64 port = m_defaults.contains(kPort) ? m_defaults.integer(kPort) : 0;
    return port > 0 && port <= 65535 ? quint16(port) : kDefaultPort;
}

QString ContactBroadcast::contactId(qint64 id) const
{
    static const QUuid space =
        QUuid::fromString(QStringLiteral("{6c1f3a52-4b8e-4d0e-9a51-3c2d7e4b9f10}"));
    return QUuid::createUuidV5(space, m_log.fullLogDatabasePath() + u'#' + QString::number(id))
        .toString(QUuid::Id128);
}

void ContactBroadcast::remember(const QsoClass &qso)
{
    if (qso.id)
        m_known.insert(*qso.id, qso);
}

void ContactBroadcast::takeChange(const QsoChange &change)
{
    if (!isOn() || change.fromSync || change.many)
        return;
    m_station.myCall = m_log.getMyCallsign();
    for (const qint64 id : change.ids) {
        const std::optional<QsoClass> now = m_log.qsoById(id);
        const auto known = m_known.constFind(id);
        using contactmessage::Kind;
        if (now) {
            send(contactmessage::make(known == m_known.cend() ? Kind::Info : Kind::Replace, *now,
                                      contactId(id), m_station));
            m_known.insert(id, *now);
        } else if (known != m_known.cend()) {
            send(contactmessage::make(Kind::Delete, *known, contactId(id), m_station));
            m_known.remove(id);
        }
    }
}

void ContactBroadcast::send(const QByteArray &datagram)
{
    if (!m_socket)
        m_socket = std::make_unique<net::AsyncUdpSocket>(true, false);
    m_socket->sendData(datagram, host(), port(), 5.0, 0);
    emit sent(datagram);
}
