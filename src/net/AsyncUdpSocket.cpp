#include "net/AsyncUdpSocket.h"

#include "net/SystemErrors.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>

#include <cerrno>
#include <deque>
#include <netdb.h>
#include <sys/socket.h>

namespace net {

namespace {

struct SendPacket {
    quint64 id;
    QByteArray data;
    QString host;         // a name still to resolve while `address` is null
    QHostAddress address; // null until resolved
    quint16 port;
    double timeout;
    long tag;
    std::optional<SocketError> failure; // found while resolving
};

struct ReceivePacket {
    double timeout;
    long tag;
};

constexpr int kRetryAfterFullBufferMs = 10;

void armTimer(QTimer &timer, double seconds)
{
    const int ms = timeoutMilliseconds(seconds);
    if (ms >= 0)
        timer.start(ms);
}

SocketError misuse(const char *text)
{
    return {QString::fromLatin1(kUdpMisuseDomain), 0, QString::fromLatin1(text)};
}

} // namespace

/* As with the TCP socket, the Qt socket's readyRead only posts a pump; our signals come from the
 * pump, timers or the resolver, never from inside the Qt socket, and never from inside a call
 * of the owner. */
struct AsyncUdpSocket::Private {
    Private(AsyncUdpSocket *owner, bool v4, bool v6)
        : q(owner), socket(owner), enableIPv4(v4), enableIPv6(v6)
    {}

    AsyncUdpSocket *q;
    QUdpSocket socket;
    QTimer sendTimer;
    QTimer receiveTimer;
    const bool enableIPv4;
    const bool enableIPv6;
    bool bound = false;
    bool closed = false;
    bool closeAfterSends = false;
    bool closeAfterReceives = false;
    std::optional<bool> broadcast; // as asked for; Qt switches it on for every UDP socket
    Acceptor acceptor;

    std::deque<SendPacket> sends;
    std::deque<ReceivePacket> receives;
    quint64 nextSendId = 0;
    bool sendRunning = false;
    bool receiveRunning = false;
    bool resolving = false;
    int lookupId = -1;
    bool pumpPosted = false;
    bool readyReadUnanswered = false; // Qt's readyRead came and no receiveDatagram() since
    std::deque<QNetworkDatagram> held;

    void setUp();
    [[nodiscard]] QHostAddress anyAddress() const;
    [[nodiscard]] bool usable(const QHostAddress &address) const;
    std::optional<SocketError> bind(const QHostAddress &address, quint16 port);
    std::optional<SocketError> applyBroadcast();
    void postPump();
    void pump();
    void serviceSends();
    void serviceReceives();
    std::optional<QNetworkDatagram> nextDatagram();
    void answerReadyRead();
    void startLookup(const SendPacket &packet);
    void lookedUp(quint64 id, const QHostInfo &info);
    void sendTimedOut();
    void receiveTimedOut();
    [[nodiscard]] bool closing() const { return closed || closeAfterSends || closeAfterReceives; }
    void maybeClose();
    void close();
};

void AsyncUdpSocket::Private::setUp()
{
    sendTimer.setSingleShot(true);
    receiveTimer.setSingleShot(true);
    QObject::connect(&sendTimer, &QTimer::timeout, q, [this] { sendTimedOut(); });
    QObject::connect(&receiveTimer, &QTimer::timeout, q, [this] { receiveTimedOut(); });
    QObject::connect(&socket, &QUdpSocket::readyRead, q, [this] {
        readyReadUnanswered = true;
        postPump();
    });
}

QHostAddress AsyncUdpSocket::Private::anyAddress() const
{
    // One dual-stack socket serves both families.
    if (enableIPv4 && enableIPv6)
        return QHostAddress(QHostAddress::Any);
    return QHostAddress(enableIPv4 ? QHostAddress::AnyIPv4 : QHostAddress::AnyIPv6);
}

bool AsyncUdpSocket::Private::usable(const QHostAddress &address) const
{
    const auto protocol = address.protocol();
    if (!(protocol == QAbstractSocket::IPv4Protocol ? enableIPv4 : enableIPv6))
        return false;
    const auto local = socket.localAddress().protocol();
    return !bound || local == QAbstractSocket::AnyIPProtocol || local == protocol;
}

std::optional<SocketError> AsyncUdpSocket::Private::bind(const QHostAddress &address, quint16 port)
{
    if (!enableIPv4 && !enableIPv6)
        return error(CFSocketError);
    QHostAddress local = address;
    if (address == QHostAddress::Any)
        local = anyAddress();
    else if (address.protocol() == QAbstractSocket::IPv4Protocol && !enableIPv4)
        return error(IPv4UnavailableError);
    else if (address.protocol() == QAbstractSocket::IPv6Protocol && !enableIPv6)
        return error(IPv6UnavailableError);
    if (!socket.bind(local, port))
        return fromAbstractSocketError(socket.error(), error(CFSocketError));
    bound = true;
    if (broadcast)
        (void)applyBroadcast(); // it worked when asked for or was not yet possible to try
    postPump();                 // receives may be waiting for the socket
    return std::nullopt;
}

std::optional<SocketError> AsyncUdpSocket::Private::applyBroadcast()
{
    const int on = *broadcast ? 1 : 0;
    if (::setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &on,
                     sizeof on) == 0)
        return std::nullopt;
    return SocketError{QString::fromLatin1(kPosixStreamErrorDomain), errno,
                       QStringLiteral("Unable to enable broadcast message sending")};
}

void AsyncUdpSocket::Private::postPump()
{
    if (pumpPosted || closed)
        return;
    pumpPosted = true;
    QMetaObject::invokeMethod(
        q,
        [this] {
            pumpPosted = false;
            pump();
        },
        Qt::QueuedConnection);
}

void AsyncUdpSocket::Private::pump()
{
    const QPointer<AsyncUdpSocket> alive(q);
    if (!closed)
        serviceSends();
    if (alive && !closed)
        serviceReceives();
    if (alive && !closed)
        maybeClose();
    if (alive && !closed)
        answerReadyRead();
}

void AsyncUdpSocket::Private::serviceSends()
{
    const QPointer<AsyncUdpSocket> alive(q);
    while (!closed && !sends.empty()) {
        SendPacket &packet = sends.front();
        if (!sendRunning) {
            sendRunning = true;
            armTimer(sendTimer, packet.timeout);
            if (packet.address.isNull() && !packet.failure)
                startLookup(packet);
        }
        if (resolving)
            return;
        std::optional<SocketError> failure = packet.failure;
        if (!failure && !bound)
            failure = bind(anyAddress(), 0);
        if (!failure && socket.writeDatagram(packet.data, packet.address, packet.port) < 0) {
            if (socket.error() == QAbstractSocket::TemporaryError) {
                // The send buffer is full; the packet's timer still runs.
                QTimer::singleShot(kRetryAfterFullBufferMs, q, [this] { postPump(); });
                return;
            }
            failure = fromAbstractSocketError(socket.error(), error(CFSocketError));
        }
        const long tag = packet.tag;
        sends.pop_front();
        sendTimer.stop();
        sendRunning = false;
        if (failure)
            emit q->didNotSendData(tag, *failure);
        else
            emit q->didSendData(tag);
        if (!alive)
            return;
    }
}

void AsyncUdpSocket::Private::serviceReceives()
{
    const QPointer<AsyncUdpSocket> alive(q);
    while (!closed && !receives.empty()) {
        if (!receiveRunning) {
            receiveRunning = true;
            armTimer(receiveTimer, receives.front().timeout);
        }
        const std::optional<QNetworkDatagram> next = nextDatagram();
        if (!next)
            return;
        const QNetworkDatagram &datagram = *next;
        QHostAddress sender = datagram.senderAddress();
        bool mapped = false;
        const quint32 ipv4 = sender.toIPv4Address(&mapped);
        if (mapped && sender.protocol() == QAbstractSocket::IPv6Protocol)
            sender = QHostAddress(ipv4); // the dual-stack socket's view of an IPv4 sender
        const QString host = sender.toString();
        const auto port = static_cast<quint16>(datagram.senderPort());
        const long tag = receives.front().tag;
        if (acceptor) {
            const bool accepted = acceptor(datagram.data(), tag, host, port);
            if (!alive || closed)
                return;
            if (!accepted)
                continue; // dropped; the same receive keeps waiting
        }
        receives.pop_front();
        receiveTimer.stop();
        receiveRunning = false;
        emit q->didReceiveData(datagram.data(), tag, host, port);
        if (!alive)
            return;
    }
}

std::optional<QNetworkDatagram> AsyncUdpSocket::Private::nextDatagram()
{
    if (!held.empty()) {
        QNetworkDatagram datagram = std::move(held.front());
        held.pop_front();
        return datagram;
    }
    if (socket.state() != QAbstractSocket::BoundState || !socket.hasPendingDatagrams())
        return std::nullopt;
    QNetworkDatagram datagram = socket.receiveDatagram(kMaxReceiveSize);
    readyReadUnanswered = false;
    if (!datagram.isValid())
        return std::nullopt;
    return datagram;
}

/* QUdpSocket stays silent after a readyRead until the next receiveDatagram(). A readyRead can
 * come for a datagram the pump has already taken (the notifier fired in the same turn); such a
 * readyRead is answered here, or no datagram would ever be announced again. */
void AsyncUdpSocket::Private::answerReadyRead()
{
    if (!readyReadUnanswered || socket.state() != QAbstractSocket::BoundState ||
        socket.hasPendingDatagrams())
        return;
    readyReadUnanswered = false;
    QNetworkDatagram datagram = socket.receiveDatagram(kMaxReceiveSize);
    if (datagram.isValid()) { // it arrived just now; it waits for the next receive
        held.push_back(std::move(datagram));
        postPump();
    }
}

void AsyncUdpSocket::Private::startLookup(const SendPacket &packet)
{
    resolving = true;
    lookupId = QHostInfo::lookupHost(
        packet.host, q, [this, id = packet.id](const QHostInfo &info) { lookedUp(id, info); });
}

void AsyncUdpSocket::Private::lookedUp(quint64 id, const QHostInfo &info)
{
    if (sends.empty() || sends.front().id != id)
        return;
    resolving = false;
    lookupId = -1;
    SendPacket &packet = sends.front();
    const QList<QHostAddress> addresses = info.addresses();
    for (const QHostAddress &address : addresses) {
        if (usable(address)) {
            packet.address = address;
            break;
        }
    }
    if (packet.address.isNull()) {
        if (addresses.isEmpty())
            packet.failure =
                netDbError(info.error() == QHostInfo::HostNotFound ? EAI_NONAME : EAI_FAIL);
        else if (addresses.front().protocol() == QAbstractSocket::IPv4Protocol)
            packet.failure = error(IPv4UnavailableError);
        else
            packet.failure = error(IPv6UnavailableError);
    }
    postPump();
}

void AsyncUdpSocket::Private::sendTimedOut()
{
    if (sends.empty())
        return;
    if (resolving) {
        QHostInfo::abortHostLookup(lookupId);
        resolving = false;
    }
    const long tag = sends.front().tag;
    sends.pop_front();
    sendRunning = false;
    const QPointer<AsyncUdpSocket> alive(q);
    emit q->didNotSendData(tag, error(SendTimeoutError));
    if (alive)
        postPump();
}

void AsyncUdpSocket::Private::receiveTimedOut()
{
    if (receives.empty())
        return;
    const long tag = receives.front().tag;
    receives.pop_front();
    receiveRunning = false;
    const QPointer<AsyncUdpSocket> alive(q);
    emit q->didNotReceiveData(tag, error(ReceiveTimeoutError));
    if (alive)
        postPump();
}

void AsyncUdpSocket::Private::maybeClose()
{
    if (!closeAfterSends && !closeAfterReceives)
        return;
    if ((closeAfterSends && !sends.empty()) || (closeAfterReceives && !receives.empty()))
        return;
    close();
}

void AsyncUdpSocket::Private::close()
{
    if (closed)
        return;
    closed = true;
    if (resolving)
        QHostInfo::abortHostLookup(lookupId);
    resolving = false;
    sends.clear();
    receives.clear();
    held.clear();
    sendTimer.stop();
    receiveTimer.stop();
    socket.close();
    // Later, so that the receiver may delete the socket from its slot.
    QMetaObject::invokeMethod(
        q, [owner = q] { emit owner->didClose(); }, Qt::QueuedConnection);
}

AsyncUdpSocket::AsyncUdpSocket(bool enableIPv4, bool enableIPv6, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>(this, enableIPv4, enableIPv6))
{
    d->setUp();
}

AsyncUdpSocket::~AsyncUdpSocket()
{
    QObject::disconnect(&d->socket, nullptr, this, nullptr);
    if (d->resolving)
        QHostInfo::abortHostLookup(d->lookupId);
}

std::optional<SocketError> AsyncUdpSocket::bindToPort(quint16 port)
{
    return bindToAddress(QHostAddress(QHostAddress::Any), port);
}

std::optional<SocketError> AsyncUdpSocket::bindToAddress(const QHostAddress &address, quint16 port)
{
    if (d->closed)
        return misuse("The socket is closed.");
    if (d->bound)
        return misuse("Cannot bind a socket more than once.");
    return d->bind(address, port);
}

std::optional<SocketError> AsyncUdpSocket::enableBroadcast(bool on)
{
    if (d->closed)
        return misuse("The socket is closed.");
    if (!d->enableIPv4)
        return std::nullopt;
    d->broadcast = on;
    // Before binding there is no system socket yet; binding applies it.
    return d->bound ? d->applyBroadcast() : std::nullopt;
}

bool AsyncUdpSocket::sendData(const QByteArray &data, const QString &host, quint16 port,
                              double timeout, long tag)
{
    if (data.isEmpty() || d->closing() || host.trimmed().isEmpty())
        return false;
    const QHostAddress literal(host);
    if (!literal.isNull() && !d->usable(literal))
        return false;
    d->sends.push_back({d->nextSendId++, data, host, literal, port, timeout, tag, std::nullopt});
    d->postPump();
    return true;
}

void AsyncUdpSocket::receiveWithTimeout(double timeout, long tag)
{
    if (d->closing())
        return;
    d->receives.push_back({timeout, tag});
    d->postPump();
}

void AsyncUdpSocket::setAcceptor(Acceptor acceptor)
{
    d->acceptor = std::move(acceptor);
}

void AsyncUdpSocket::close()
{
    d->close();
}

void AsyncUdpSocket::closeAfterSending()
{
    if (d->closed)
        return;
    d->closeAfterSends = true;
    d->postPump();
}

void AsyncUdpSocket::closeAfterReceiving()
{
    if (d->closed)
        return;
    d->closeAfterReceives = true;
    d->postPump();
}

void AsyncUdpSocket::closeAfterSendingAndReceiving()
{
    if (d->closed)
        return;
    d->closeAfterSends = d->closeAfterReceives = true;
    d->postPump();
}

QString AsyncUdpSocket::localHost() const
{
    return d->bound && !d->closed ? d->socket.localAddress().toString() : QString();
}

quint16 AsyncUdpSocket::localPort() const
{
    return d->bound && !d->closed ? d->socket.localPort() : 0;
}

bool AsyncUdpSocket::isClosed() const
{
    return d->closed;
}

SocketError AsyncUdpSocket::error(Code code)
{
    QString text;
    switch (code) {
    case CFSocketError:
        text = QStringLiteral("General CFSocket error");
        break;
    case IPv4UnavailableError:
        text = QStringLiteral("IPv4 is unavailable due to binding/connecting using IPv6 only");
        break;
    case IPv6UnavailableError:
        text = QStringLiteral("IPv6 is unavailable due to binding/connecting using IPv4 only or "
                              "is not supported on this platform");
        break;
    case SendTimeoutError:
        text = QStringLiteral("Send operation timed out");
        break;
    case ReceiveTimeoutError:
        text = QStringLiteral("Receive operation timed out");
        break;
    }
    return {QString::fromLatin1(kUdpErrorDomain), code, text};
}

} // namespace net
