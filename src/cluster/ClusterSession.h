#pragma once

#include "cluster/ClusterAddress.h"
#include "cluster/LineFramer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace net {
class AsyncSocket;
struct SocketError;
} // namespace net

namespace cluster {

/** One telnet-style connection to a cluster node: connect with a time-out, log in with the
 *  station's callsign once per connection when the node asks, frame what arrives into lines,
 *  keep the line alive, and connect again by itself, waiting longer each time, after the node
 *  drops a line that was up. Reports text for the terminal and complete lines for the spots. */
class ClusterSession : public QObject {
    Q_OBJECT
public:
    enum class State { Disconnected, Connecting, Connected, WaitingToReconnect };
    Q_ENUM(State)

    struct Timings {
        int connectTimeoutMs = 10'000;
        int keepAliveMs = 60'000;
        int firstReconnectMs = 5'000;
        int longestReconnectMs = 300'000;
        /** A line up this long counts as good: the next drop waits the shortest time again. */
        int stableMs = 60'000;
    };

    explicit ClusterSession(QObject *parent = nullptr);
    ~ClusterSession() override;

    void setTimings(const Timings &timings) { m_timings = timings; }
    /** The callsign sent when the node asks for it; empty: never log in. */
    void setLoginCall(const QString &callsign) { m_loginCall = callsign; }

    /** Connects unless connected or connecting. */
    void connectTo(const ClusterAddress &node);
    /** The user ends the connection (no reconnecting). */
    void disconnectFromNode();
    /** Sends the text and "\r\n"; false when not connected. */
    bool send(const QString &text);

    [[nodiscard]] State state() const { return m_state; }
    [[nodiscard]] const ClusterAddress &node() const { return m_node; }

signals:
    void stateChanged(cluster::ClusterSession::State state);
    /** Text for the terminal: what arrived and the connection's own messages. */
    void textReceived(const QString &text);
    void lineReceived(const QString &line);
    /** The connection's own messages alone, one line each, without the terminal's framing
     *  ("Connected to DB0SUE"): never text from the node. */
    void notice(const QString &line);

private:
    /** Shows one of the connection's own messages in the terminal and as a notice. */
    void announce(const QString &terminalText);

    void setState(State state);
    void startConnecting();
    void connected();
    void dataRead(const QByteArray &data);
    void failed(const net::SocketError &error);
    void disconnected();
    void write(const QByteArray &bytes);

    net::AsyncSocket *m_socket;
    Timings m_timings;
    ClusterAddress m_node;
    QString m_loginCall;
    LineFramer m_framer;
    State m_state = State::Disconnected;
    bool m_loggedIn = false;
    bool m_failed = false; // the line ended with a socket error, not a close by the node
    bool m_userDisconnect = false;
    /** Set once a line was up: from then on a drop reconnects until the user disconnects. */
    bool m_reconnect = false;
    int m_reconnectDelayMs = 0;
    QElapsedTimer m_upTime; // since the line came up; invalid while it is not
    QTimer m_keepAlive;
    QTimer m_reconnectTimer;
};

} // namespace cluster
