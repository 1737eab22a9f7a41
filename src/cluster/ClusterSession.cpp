#include "cluster/ClusterSession.h"

#include "net/AsyncSocket.h"

#include <algorithm>

namespace cluster {
namespace {

constexpr double kWriteTimeoutSeconds = 10.0;
constexpr long kFirstReadTag = 1;
constexpr long kReadTag = 0;
constexpr long kWriteTag = 0;

} // namespace

ClusterSession::ClusterSession(QObject *parent)
    : QObject(parent), m_socket(new net::AsyncSocket(this))
{
    connect(m_socket, &net::AsyncSocket::didConnectToHost, this, &ClusterSession::connected);
    connect(m_socket, &net::AsyncSocket::didReadData, this,
            [this](const QByteArray &data, long) { dataRead(data); });
    connect(m_socket, &net::AsyncSocket::willDisconnectWithError, this, &ClusterSession::failed);
    connect(m_socket, &net::AsyncSocket::didDisconnect, this, &ClusterSession::disconnected);
    connect(&m_keepAlive, &QTimer::timeout, this, [this] { write("\r\n"); });
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &ClusterSession::startConnecting);
}

ClusterSession::~ClusterSession() = default;

void ClusterSession::connectTo(const ClusterAddress &node)
{
    if (m_state == State::Connecting || m_state == State::Connected)
        return;
    m_reconnectTimer.stop();
    m_node = node;
    m_userDisconnect = false;
    m_reconnect = false;
    m_reconnectDelayMs = m_timings.firstReconnectMs;
    startConnecting();
}

void ClusterSession::disconnectFromNode()
{
    m_userDisconnect = true;
    m_reconnect = false;
    m_reconnectTimer.stop();
    if (m_state == State::WaitingToReconnect)
        setState(State::Disconnected);
    else if (m_state != State::Disconnected)
        m_socket->disconnect(); // didDisconnect follows
}

bool ClusterSession::send(const QString &text)
{
    if (m_state != State::Connected)
        return false;
    write(text.toUtf8() + "\r\n");
    return true;
}

void ClusterSession::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void ClusterSession::startConnecting()
{
    m_framer.reset();
    m_loggedIn = false;
    m_failed = false;
    m_upTime.invalidate();
    setState(State::Connecting);
    // A stored port outside the TCP range would wrap to another port: refuse it instead.
    const std::optional<net::SocketError> refused =
        m_node.portnumber < 1 || m_node.portnumber > 65535
            ? std::optional<net::SocketError>(
                  {QString::fromLatin1(net::kTcpErrorDomain), net::AsyncSocket::CFSocketError,
                   tr("The port %1 is not between 1 and 65535.").arg(m_node.portnumber)})
            : m_socket->connectToHost(m_node.adresse, quint16(m_node.portnumber),
                                      m_timings.connectTimeoutMs / 1000.0);
    if (refused) {
        announce(tr("\n *** Failure with %1 *** \n%2\n")
                     .arg(m_node.name, refused->localizedDescription()));
        m_reconnect = false;
        setState(State::Disconnected);
    }
}

void ClusterSession::connected()
{
    m_upTime.start();
    m_reconnect = true;
    setState(State::Connected);
    announce(tr("\n *** Connected to %1 *** \n").arg(m_node.name));
    m_socket->readDataWithTimeout(-1, kFirstReadTag);
    m_keepAlive.start(m_timings.keepAliveMs);
}

void ClusterSession::dataRead(const QByteArray &data)
{
    m_socket->readDataWithTimeout(-1, kReadTag);
    m_keepAlive.start(m_timings.keepAliveMs);
    const LineFramer::Chunk chunk = m_framer.push(data);
    if (!chunk.reply.isEmpty())
        write(chunk.reply);
    if (!chunk.text.isEmpty())
        emit textReceived(chunk.text);
    if (!m_loggedIn && !m_loginCall.isEmpty() && m_framer.asksForCall()) {
        m_loggedIn = true;
        m_framer.clearTail();
        write(m_loginCall.toUtf8() + "\r\n");
    }
    for (const QString &line : chunk.lines)
        emit lineReceived(line);
}

void ClusterSession::failed(const net::SocketError &error)
{
    m_failed = true;
    announce(QStringLiteral("\n%1\n").arg(error.localizedDescription()));
}

void ClusterSession::announce(const QString &terminalText)
{
    emit textReceived(terminalText);
    QString line = terminalText.simplified();
    if (line.startsWith(QLatin1String("*** ")) && line.endsWith(QLatin1String(" ***")))
        line = line.mid(4, line.size() - 8);
    else
        line.replace(QLatin1String(" *** "), QLatin1String(": ")).remove(QLatin1String("*** "));
    emit notice(line);
}

void ClusterSession::disconnected()
{
    m_keepAlive.stop();
    const bool closedByNode = m_state == State::Connected && !m_userDisconnect && !m_failed;
    announce(tr("\n *** Disconnected from %1 *** \n").arg(m_node.name));
    // A node ends the older of two logins with one call without a word, and drops a line
    // that never logged in after a minute: say which it may be.
    if (closedByNode)
        announce(m_loggedIn ? tr("\nThe node closed the line (another login with this call?)\n")
                            : tr("\nThe node closed the line (it may want a login call)\n"));
    if (m_userDisconnect || !m_reconnect) {
        setState(State::Disconnected);
        return;
    }
    if (m_upTime.isValid() && m_upTime.elapsed() >= m_timings.stableMs)
        m_reconnectDelayMs = m_timings.firstReconnectMs;
    setState(State::WaitingToReconnect);
    announce(tr("\n *** Reconnecting to %1 in %2 s *** \n")
                 .arg(m_node.name)
                 .arg((m_reconnectDelayMs + 999) / 1000));
    m_reconnectTimer.start(m_reconnectDelayMs);
    m_reconnectDelayMs = std::min(m_reconnectDelayMs * 2, m_timings.longestReconnectMs);
}

void ClusterSession::write(const QByteArray &bytes)
{
    m_socket->writeData(bytes, kWriteTimeoutSeconds, kWriteTag);
}

} // namespace cluster
