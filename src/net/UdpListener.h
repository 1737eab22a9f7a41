#pragma once

#include <QByteArray>
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

    /** Opens the port (0: any free one); the system's reason when it cannot (a diagnostic line
     *  says which port), empty when listening. Listening on that port already changes nothing. */
    QString listen(quint16 port);
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

    QString m_what;
    QUdpSocket *m_socket = nullptr;
};

} // namespace net
