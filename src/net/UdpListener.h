#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class QUdpSocket;

namespace net {

/** A UDP port a program listens on for datagrams from other programs on the network (WSJT-X,
 *  a QSL card scanner). The port is opened shared where the system allows, so that a second
 *  program on the same machine can listen too. */
class UdpListener : public QObject {
    Q_OBJECT
public:
    /** `what` names the senders in the diagnostic line ("WSJT-X", "QSL cards"). */
    explicit UdpListener(QString what, QObject *parent = nullptr);

    /** Opens the port (0: any free one) on `address` (every interface by default; a multicast
     *  group is joined on every interface); the system's reason when it cannot (a diagnostic
     *  line says which port), empty when listening. Listening on that port and address already
     *  changes nothing. */
    QString listen(quint16 port, const QHostAddress &address = QHostAddress::Any);
    /** Closes the port; true when it was open. */
    bool stop();
    [[nodiscard]] bool isListening() const { return m_socket != nullptr; }
    /** The port listened on; 0 when closed. */
    [[nodiscard]] quint16 port() const;

signals:
    /** One whole datagram; `sender` as a plain IPv4 address where it is one. A receiver may stop
     *  or reopen the listener. */
    void datagramReceived(const QByteArray &datagram, const QString &sender);

private:
    void readPending();

    /** Datagrams read in one pass before the event loop gets its turn: a flood must not keep
     *  timers (a listening time limit) and other sockets waiting. */
    static constexpr int kDatagramsPerPass = 64;

    QString m_what;
    QHostAddress m_address;
    bool m_readQueued = false;
    QUdpSocket *m_socket = nullptr;
};

} // namespace net
