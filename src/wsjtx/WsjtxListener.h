#pragma once

#include "net/UdpListener.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class UserDefaults;

namespace wsjtx {

/** The UDP port WSJT-X and JTDX send their messages to, opened while the user default
 *  "WsjtxListen" is on, on the port "WsjtxPort" (default 2237) of the address "WsjtxAddress"
 *  (default 127.0.0.1: only programs on this machine; a multicast group or another interface's
 *  address when WSJT-X runs elsewhere); a change of any is followed at once. The port is opened
 * shared where the system allows, so another program listening on it (a second logger, GridTracker)
 * does not keep us out. */
class WsjtxListener : public QObject {
    Q_OBJECT
public:
    static constexpr char kListenKey[] = "WsjtxListen";
    static constexpr char kPortKey[] = "WsjtxPort";
    static constexpr char kAddressKey[] = "WsjtxAddress";
    static constexpr int kDefaultPort = 2237;
    static constexpr char kDefaultAddress[] = "127.0.0.1";

    /** Follows the user defaults from the start. */
    WsjtxListener(UserDefaults &defaults, QObject *parent = nullptr);
    /** Follows no user default: the caller opens and closes the port (the CLI). */
    explicit WsjtxListener(QObject *parent = nullptr);
    ~WsjtxListener() override;

    /** "WsjtxPort", or 2237 when it is unset or no port number. */
    [[nodiscard]] static int configuredPort(const UserDefaults &defaults);
    /** Why a port number cannot be used; empty for 1…65535. */
    [[nodiscard]] static QString portProblem(qint64 port);
    /** "WsjtxAddress", or 127.0.0.1 when it is unset; nothing when it is no IP address. */
    [[nodiscard]] static std::optional<QHostAddress>
    configuredAddress(const UserDefaults &defaults);

    /** Opens the port (0: any free one) on the address (without one: "WsjtxAddress" when this
     *  listener follows the user defaults, else 127.0.0.1); the error text, empty when
     *  listening. */
    QString listen(quint16 port, std::optional<QHostAddress> address = std::nullopt);
    void stop();
    [[nodiscard]] bool isListening() const { return m_socket.isListening(); }
    /** The port listened on; 0 when closed. */
    [[nodiscard]] quint16 port() const { return m_socket.port(); }
    /** Why the port could not be opened; empty while listening or off. */
    [[nodiscard]] const QString &error() const { return m_error; }

signals:
    void datagramReceived(const QByteArray &datagram);
    /** Listening started or stopped, or opening failed. */
    void stateChanged();

private:
    void followDefaults();

    UserDefaults *m_defaults = nullptr;
    net::UdpListener m_socket{QStringLiteral("WSJT-X")};
    QString m_error;
};

} // namespace wsjtx
