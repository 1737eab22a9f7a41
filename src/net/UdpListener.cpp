#include "net/UdpListener.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QPointer>
#include <QUdpSocket>

namespace net {

UdpListener::UdpListener(QString what, QObject *parent) : QObject(parent), m_what(std::move(what))
{}

QString UdpListener::listen(quint16 port, const QHostAddress &address)
{
    if (m_socket && m_socket->localPort() == port && port != 0 && m_address == address)
        return {};
    stop();
    auto *socket = new QUdpSocket(this);
    const bool multicast = address.isMulticast();
    const QHostAddress local = !multicast ? address
                               : address.protocol() == QAbstractSocket::IPv6Protocol
                                   ? QHostAddress(QHostAddress::AnyIPv6)
                                   : QHostAddress(QHostAddress::AnyIPv4);
    if (!socket->bind(local, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint) ||
        (multicast && !socket->joinMulticastGroup(address))) {
        const QString reason = socket->errorString();
        qWarning("%s",
                 qPrintable(
                     QStringLiteral("UDP port %1 could not be opened: %2").arg(port).arg(reason)));
        delete socket;
        return reason;
    }
    m_socket = socket;
    m_address = address;
    connect(m_socket, &QUdpSocket::readyRead, this, &UdpListener::readPending);
    qInfo("Listening for %s on UDP port %u", qPrintable(m_what), unsigned(m_socket->localPort()));
    return {};
}

bool UdpListener::stop()
{
    if (!m_socket)
        return false;
    m_socket->close();
    m_socket->deleteLater();
    m_socket = nullptr;
    return true;
}

quint16 UdpListener::port() const
{
    return m_socket ? m_socket->localPort() : 0;
}

void UdpListener::readPending()
{
    m_readQueued = false;
    // Read through the socket that signalled: a receiver may stop or reopen the listener.
    QPointer<QUdpSocket> socket = m_socket;
    int read = 0;
    while (socket && socket == m_socket && socket->hasPendingDatagrams()) {
        if (++read > kDatagramsPerPass) {
            // The rest is read on a later turn of the event loop.
            if (!m_readQueued) {
                m_readQueued = true;
                QMetaObject::invokeMethod(this, &UdpListener::readPending, Qt::QueuedConnection);
            }
            return;
        }
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            continue;
        // "192.168.1.5" rather than "::ffff:192.168.1.5" for a sender on an IPv4 network.
        bool v4 = false;
        const QHostAddress from = datagram.senderAddress();
        const quint32 address = from.toIPv4Address(&v4);
        emit datagramReceived(datagram.data(),
                              v4 ? QHostAddress(address).toString() : from.toString());
    }
}

} // namespace net
