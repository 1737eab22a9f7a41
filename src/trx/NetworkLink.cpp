#include "trx/NetworkLink.h"

#include "net/AsyncSocket.h"

#include <QPointer>

namespace trx {
namespace {

constexpr double kWriteTimeoutSeconds = 10.0;
constexpr long kReadTag = 0;
constexpr long kWriteTag = 0;

} // namespace

NetworkLink::NetworkLink(const QString &host, quint16 port, const QString &scheme, QObject *parent)
    : ByteLink(parent), m_host(host.trimmed()), m_port(port), m_scheme(scheme)
{}

NetworkLink::~NetworkLink()
{
    if (m_socket) {
        QObject::disconnect(m_socket, nullptr, this, nullptr);
        delete m_socket;
    }
}

void NetworkLink::open()
{
    if (m_state != State::Closed)
        return;
    m_state = State::Opening;
    m_error.clear();
    const quint64 generation = ++m_generation;
    m_socket = new net::AsyncSocket(this);
    // Queued, so that a receiver may delete this link (and with it the socket) in any signal.
    const auto current = [this, generation] { return generation == m_generation; };
    connect(
        m_socket, &net::AsyncSocket::didConnectToHost, this,
        [this, current] {
            if (current())
                socketConnected();
        },
        Qt::QueuedConnection);
    connect(
        m_socket, &net::AsyncSocket::didReadData, this,
        [this, current](const QByteArray &data) {
            if (current())
                socketRead(data);
        },
        Qt::QueuedConnection);
    connect(m_socket, &net::AsyncSocket::willDisconnectWithError, this,
            [this, current](const net::SocketError &error) {
                if (current())
                    m_error = error.localizedDescription();
            });
    connect(
        m_socket, &net::AsyncSocket::didDisconnect, this,
        [this, current] {
            if (current())
                socketClosed();
        },
        Qt::QueuedConnection);

    if (m_port == 0) {
        dropSocket();
        m_state = State::Closed;
        postClosed(tr("The port 0 is not between 1 and 65535."));
        return;
    }
    const std::optional<net::SocketError> refused =
        m_socket->connectToHost(m_host, m_port, m_connectTimeoutMs / 1000.0);
    if (refused) {
        dropSocket();
        m_state = State::Closed;
        postClosed(refused->localizedDescription());
    }
}

void NetworkLink::close()
{
    if (m_state == State::Closed)
        return;
    ++m_generation;
    dropSocket();
    m_state = State::Closed;
    postClosed(QString());
}

void NetworkLink::write(const QByteArray &bytes)
{
    if (m_state == State::Open)
        m_socket->writeData(bytes, kWriteTimeoutSeconds, kWriteTag);
}

QString NetworkLink::description() const
{
    const QString host = m_host.contains(u':') ? u'[' + m_host + u']' : m_host;
    return QStringLiteral("%1:%2:%3").arg(m_scheme, host).arg(m_port);
}

void NetworkLink::socketConnected()
{
    m_state = State::Open;
    m_socket->readDataWithTimeout(-1, kReadTag);
    emit opened();
}

void NetworkLink::socketRead(const QByteArray &data)
{
    const quint64 generation = m_generation;
    m_socket->readDataWithTimeout(-1, kReadTag);
    const QPointer<NetworkLink> alive(this);
    for (qsizetype at = 0; at < data.size(); at += kReadBlockSize) {
        emit received(data.mid(at, kReadBlockSize));
        if (!alive || generation != m_generation)
            return; // closed, reopened or deleted by the receiver
    }
}

void NetworkLink::socketClosed()
{
    QString reason = m_error;
    if (reason.isEmpty())
        reason = m_state == State::Open ? tr("The other side closed the connection.")
                                        : tr("The connection could not be made.");
    ++m_generation;
    dropSocket();
    m_state = State::Closed;
    emit closed(reason);
}

void NetworkLink::dropSocket()
{
    if (!m_socket)
        return;
    QObject::disconnect(m_socket, nullptr, this, nullptr);
    m_socket->disconnect();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void NetworkLink::postClosed(const QString &reason)
{
    QMetaObject::invokeMethod(
        this, [this, reason] { emit closed(reason); }, Qt::QueuedConnection);
}

} // namespace trx
