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
    if (m_port == 0) {
        postClosed(tr("The port 0 is not between 1 and 65535."));
        return;
    }
    m_state = State::Opening;
    m_error.clear();
    const quint64 generation = ++m_generation;
    m_socket = new net::AsyncSocket(this);
    // The socket's signals are taken at once, so that the next read is queued before the socket
    // decides a peer's close (nothing it sent last is lost); what they mean for the receiver is
    // posted, so that it may close, reopen or delete this link in any signal.
    const auto later = [this, generation](auto step) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, step] {
                if (generation == m_generation)
                    step();
            },
            Qt::QueuedConnection);
    };
    connect(m_socket, &net::AsyncSocket::didConnectToHost, this, [this, later] {
        m_socket->readDataWithTimeout(-1, kReadTag);
        later([this] { socketConnected(); });
    });
    connect(m_socket, &net::AsyncSocket::didReadData, this, [this, later](const QByteArray &data) {
        m_socket->readDataWithTimeout(-1, kReadTag);
        later([this, data] { socketRead(data); });
    });
    connect(m_socket, &net::AsyncSocket::willDisconnectWithError, this,
            [this](const net::SocketError &error) { m_error = error.localizedDescription(); });
    connect(m_socket, &net::AsyncSocket::didDisconnect, this,
            [this, later] { later([this] { socketClosed(); }); });

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
    emit opened();
}

void NetworkLink::socketRead(const QByteArray &data)
{
    const quint64 generation = m_generation;
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
