#include "net/AsyncSocket.h"

#include "net/SystemErrors.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <netdb.h>

namespace net {

namespace {

struct ReadPacket {
    double timeout;
    long tag;
};

struct WritePacket {
    QByteArray data; // emptied once handed to the socket
    qint64 end;      // stream offset just past this packet's last byte
    double timeout;
    long tag;
};

void armTimer(QTimer &timer, double seconds)
{
    const int ms = timeoutMilliseconds(seconds);
    if (ms >= 0)
        timer.start(ms);
}

} // namespace

/* The Qt socket's signals only record what happened and post one `pump`; every signal of ours
 * is emitted from the pump or a timer. So a receiver may call anything on the socket, or delete
 * it, from any of our signals without the Qt socket being in the middle of its own work. */
struct AsyncSocket::Private {
    enum class State { Idle, Connecting, Connected };

    explicit Private(AsyncSocket *owner) : q(owner), socket(owner) {}

    AsyncSocket *q;
    QTcpSocket socket;
    QTimer connectTimer;
    QTimer readTimer;
    QTimer writeTimer;
    State state = State::Idle;
    QString host;
    quint16 port = 0;

    std::deque<ReadPacket> reads;
    std::deque<WritePacket> writes;
    bool readRunning = false;  // the head read's timer has started
    bool writeRunning = false; // the head write's timer has started
    qint64 handedOver = 0;     // bytes given to the socket in this connection
    qint64 written = 0;        // bytes the socket reported written in this connection

    bool sawConnected = false;
    bool sawEnd = false;
    std::optional<QAbstractSocket::SocketError> sawError;
    bool pumpPosted = false;

    void setUp();
    void postPump();
    void pump();
    void handleConnected();
    void serviceReads();
    void serviceWrites();
    void handOver(WritePacket &packet);
    void closeWithError(const SocketError &error);
    void close();
};

void AsyncSocket::Private::setUp()
{
    for (QTimer *timer : {&connectTimer, &readTimer, &writeTimer})
        timer->setSingleShot(true);
    QObject::connect(&connectTimer, &QTimer::timeout, q,
                     [this] { closeWithError(error(ConnectTimeoutError)); });
    QObject::connect(&readTimer, &QTimer::timeout, q,
                     [this] { closeWithError(error(ReadTimeoutError)); });
    QObject::connect(&writeTimer, &QTimer::timeout, q,
                     [this] { closeWithError(error(WriteTimeoutError)); });

    // Our own abort() in close() emits too; the state is already idle then.
    QObject::connect(&socket, &QTcpSocket::connected, q, [this] {
        if (state == State::Connecting)
            sawConnected = true;
        postPump();
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, q, [this] { postPump(); });
    QObject::connect(&socket, &QTcpSocket::bytesWritten, q, [this](qint64 bytes) {
        written += bytes;
        postPump();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, q, [this] {
        if (state != State::Idle)
            sawEnd = true;
        postPump();
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, q,
                     [this](QAbstractSocket::SocketError error) {
                         if (state != State::Idle && !sawError)
                             sawError = error;
                         postPump();
                     });
}

void AsyncSocket::Private::postPump()
{
    if (pumpPosted || state == State::Idle)
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

void AsyncSocket::Private::pump()
{
    const QPointer<AsyncSocket> alive(q);
    if (state == State::Connecting && sawConnected) {
        handleConnected();
        if (!alive)
            return;
    }
    if (state == State::Connected) {
        serviceReads();
        if (!alive || state != State::Connected)
            return;
        serviceWrites();
        if (!alive || state != State::Connected)
            return;
    }
    if (state == State::Idle)
        return;
    // A peer's orderly close (Qt reports it as "remote host closed", sometimes before the
    // disconnect) is the end of the stream, not a failure.
    const bool peerClosed = sawEnd || sawError == QAbstractSocket::RemoteHostClosedError;
    if (state == State::Connected && peerClosed)
        close();
    else if (sawError)
        closeWithError(fromAbstractSocketError(*sawError, error(CFSocketError)));
    else if (sawEnd)
        close();
}

void AsyncSocket::Private::handleConnected()
{
    state = State::Connected;
    connectTimer.stop();
    for (WritePacket &packet : writes)
        handOver(packet);
    const QPointer<AsyncSocket> alive(q);
    emit q->didConnectToHost(host, port);
    if (alive && state == State::Connected && !writes.empty() && !writeRunning) {
        writeRunning = true;
        armTimer(writeTimer, writes.front().timeout);
    }
}

void AsyncSocket::Private::serviceReads()
{
    const QPointer<AsyncSocket> alive(q);
    // QTcpSocket keeps what arrived (also after the peer closed) until it is read.
    while (state == State::Connected && !reads.empty() && socket.bytesAvailable() > 0) {
        const QByteArray data = socket.read(kMaxReadChunk);
        const long tag = reads.front().tag;
        reads.pop_front();
        readTimer.stop();
        readRunning = false;
        emit q->didReadData(data, tag);
        if (!alive)
            return;
    }
    if (state == State::Connected && !reads.empty() && !readRunning) {
        readRunning = true;
        armTimer(readTimer, reads.front().timeout);
    }
}

void AsyncSocket::Private::serviceWrites()
{
    const QPointer<AsyncSocket> alive(q);
    while (state == State::Connected && !writes.empty() && writes.front().end <= written) {
        const long tag = writes.front().tag;
        writes.pop_front();
        writeTimer.stop();
        writeRunning = false;
        emit q->didWriteData(tag);
        if (!alive)
            return;
    }
    if (state == State::Connected && !writes.empty() && !writeRunning) {
        writeRunning = true;
        armTimer(writeTimer, writes.front().timeout);
    }
}

void AsyncSocket::Private::handOver(WritePacket &packet)
{
    if (packet.data.isEmpty())
        return;
    // A connected QTcpSocket buffers everything it is given; it fails only once it is broken,
    // and then reports that through errorOccurred.
    socket.write(packet.data);
    packet.data = QByteArray();
}

void AsyncSocket::Private::closeWithError(const SocketError &error)
{
    if (state == State::Idle)
        return;
    const QPointer<AsyncSocket> alive(q);
    emit q->willDisconnectWithError(error);
    if (alive)
        close();
}

void AsyncSocket::Private::close()
{
    if (state == State::Idle)
        return;
    state = State::Idle;
    reads.clear();
    writes.clear();
    readRunning = writeRunning = false;
    connectTimer.stop();
    readTimer.stop();
    writeTimer.stop();
    socket.abort();
    // Later, so that the receiver may delete or reconnect the socket from its slot.
    QMetaObject::invokeMethod(
        q, [owner = q] { emit owner->didDisconnect(); }, Qt::QueuedConnection);
}

AsyncSocket::AsyncSocket(QObject *parent) : QObject(parent), d(std::make_unique<Private>(this))
{
    d->setUp();
}

AsyncSocket::~AsyncSocket()
{
    // Nothing may reach this object while the socket and timers go.
    QObject::disconnect(&d->socket, nullptr, this, nullptr);
    d->state = Private::State::Idle;
    d->socket.abort();
}

std::optional<SocketError> AsyncSocket::connectToHost(const QString &host, quint16 port,
                                                      double timeout)
{
    if (d->state != Private::State::Idle)
        return SocketError{QString::fromLatin1(kTcpMisuseDomain), 0,
                           QStringLiteral("Attempting to connect while connected or accepting "
                                          "connections. Disconnect first.")};
    if (host.isEmpty())
        return netDbError(EAI_NONAME);
    d->reads.clear();
    d->writes.clear();
    d->handedOver = d->written = 0;
    d->sawConnected = d->sawEnd = false;
    d->sawError.reset();
    d->state = Private::State::Connecting;
    d->host = host;
    d->port = port;
    armTimer(d->connectTimer, timeout);
    // Qt may answer a literal address at once; that only posts a pump.
    d->socket.connectToHost(host, port);
    return std::nullopt;
}

void AsyncSocket::readDataWithTimeout(double timeout, long tag)
{
    if (d->state == Private::State::Idle)
        return;
    d->reads.push_back({timeout, tag});
    d->postPump();
}

void AsyncSocket::writeData(const QByteArray &data, double timeout, long tag)
{
    if (data.isEmpty() || d->state == Private::State::Idle)
        return;
    d->handedOver += data.size();
    d->writes.push_back({data, d->handedOver, timeout, tag});
    if (d->state == Private::State::Connected) {
        d->handOver(d->writes.back());
        d->postPump();
    }
}

bool AsyncSocket::isConnected() const
{
    return d->state == Private::State::Connected;
}

void AsyncSocket::disconnect()
{
    d->close();
}

SocketError AsyncSocket::error(Code code)
{
    QString text;
    switch (code) {
    case CFSocketError:
        text = QStringLiteral("General CFSocket error");
        break;
    case CanceledError:
        text = QStringLiteral("Connection canceled");
        break;
    case ConnectTimeoutError:
        text = QStringLiteral("Attempt to connect to host timed out");
        break;
    case ReadMaxedOutError:
        text = QStringLiteral("Read operation reached set maximum length");
        break;
    case ReadTimeoutError:
        text = QStringLiteral("Read operation timed out");
        break;
    case WriteTimeoutError:
        text = QStringLiteral("Write operation timed out");
        break;
    }
    return {QString::fromLatin1(kTcpErrorDomain), code, text};
}

} // namespace net
