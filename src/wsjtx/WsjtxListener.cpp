#include "wsjtx/WsjtxListener.h"

#include "app/UserDefaults.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QUdpSocket>

namespace wsjtx {

WsjtxListener::WsjtxListener(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(&defaults)
{
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String(kListenKey) || key == QLatin1String(kPortKey))
            followDefaults();
    });
    followDefaults();
}

WsjtxListener::WsjtxListener(QObject *parent) : QObject(parent)
{}

WsjtxListener::~WsjtxListener() = default;

int WsjtxListener::configuredPort(const UserDefaults &defaults)
{
    bool ok = false;
    const qint64 port = defaults.value(QString::fromLatin1(kPortKey)).toLongLong(&ok);
    return ok && portProblem(port).isEmpty() ? int(port) : kDefaultPort;
}

QString WsjtxListener::portProblem(qint64 port)
{
    if (port >= 1 && port <= 65535)
        return {};
    return QStringLiteral("The port must be a number from 1 to 65535.");
}

QString WsjtxListener::listen(quint16 port)
{
    if (m_socket && m_socket->localPort() == port && port != 0)
        return {};
    stop();
    auto *socket = new QUdpSocket(this);
    // Shared, so that a second program on the same machine can listen too where the system
    // lets both have the port.
    if (!socket->bind(QHostAddress::Any, port,
                      QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        m_error = QStringLiteral("UDP port %1 could not be opened: %2")
                      .arg(port)
                      .arg(socket->errorString());
        qWarning("%s", qPrintable(m_error));
        delete socket;
        emit stateChanged();
        return m_error;
    }
    m_socket = socket;
    m_error.clear();
    connect(m_socket, &QUdpSocket::readyRead, this, &WsjtxListener::readPending);
    qInfo("Listening for WSJT-X on UDP port %u", unsigned(m_socket->localPort()));
    emit stateChanged();
    return {};
}

void WsjtxListener::stop()
{
    const bool changed = m_socket || !m_error.isEmpty();
    if (m_socket) {
        m_socket->close();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    m_error.clear();
    if (changed)
        emit stateChanged();
}

bool WsjtxListener::isListening() const
{
    return m_socket != nullptr;
}

quint16 WsjtxListener::port() const
{
    return m_socket ? m_socket->localPort() : 0;
}

void WsjtxListener::followDefaults()
{
    if (!m_defaults->boolean(QString::fromLatin1(kListenKey))) {
        stop();
        return;
    }
    listen(quint16(configuredPort(*m_defaults)));
}

void WsjtxListener::readPending()
{
    // Read through the socket that signalled: a handler may stop or reopen the listener.
    QPointer<QUdpSocket> socket = m_socket;
    while (socket && socket == m_socket && socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (datagram.isValid())
            emit datagramReceived(datagram.data());
    }
}

} // namespace wsjtx
