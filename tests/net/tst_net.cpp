// The socket layer against loopback peers: chunking and order of reads and writes, every way a
// TCP connection ends, and the UDP endpoint's sends, receives and refusals.

#include "net/AsyncSocket.h"
#include "net/AsyncUdpSocket.h"
#include "net/UdpListener.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <cerrno>
#include <memory>

using net::AsyncSocket;
using net::AsyncUdpSocket;
using net::SocketError;

namespace {

const QHostAddress kLoopback(QHostAddress::LocalHost);

QString text(const std::optional<SocketError> &error)
{
    return error ? QStringLiteral("%1 %2 %3")
                       .arg(error->domain)
                       .arg(error->code)
                       .arg(error->localizedDescription())
                 : QStringLiteral("no error");
}

/** What a socket told its owner, in order, plus the bytes it read. */
struct TcpLog {
    QStringList events;
    QByteArray data;
    QList<qsizetype> chunks;
    bool keepReading = false; // queue the next read from each read's signal

    explicit TcpLog(AsyncSocket &socket)
    {
        QObject::connect(&socket, &AsyncSocket::didConnectToHost,
                         [this] { events << "connected"; });
        QObject::connect(&socket, &AsyncSocket::didReadData,
                         [this, &socket](const QByteArray &bytes, long tag) {
                             events << QStringLiteral("read %1").arg(tag);
                             data += bytes;
                             chunks << bytes.size();
                             if (keepReading)
                                 socket.readDataWithTimeout(-1, tag + 1);
                         });
        QObject::connect(&socket, &AsyncSocket::didWriteData,
                         [this](long tag) { events << QStringLiteral("wrote %1").arg(tag); });
        QObject::connect(&socket, &AsyncSocket::willDisconnectWithError,
                         [this](const SocketError &e) { events << "error " + text(e); });
        QObject::connect(&socket, &AsyncSocket::didDisconnect,
                         [this] { events << "disconnected"; });
    }
};

std::unique_ptr<QTcpSocket> acceptOne(QTcpServer &server)
{
    if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 2000))
        return nullptr;
    return std::unique_ptr<QTcpSocket>(server.nextPendingConnection());
}

} // namespace

class TestNet : public QObject {
    Q_OBJECT
private slots:
    void readsWritesAndReconnect();
    void connectionEndsWithError_data();
    void connectionEndsWithError();
    void peerCloseCompletesTheReadWithoutError();
    void udpDeliversDatagramsTruncated_data();
    void udpDeliversDatagramsTruncated();
    void udpRefusesMisuse();
    void udpAcceptorKeepsTheReceiveWaiting();
    void udpListenerLetsTheEventLoopRunUnderAFlood();
    void udpListenerBindsTheAddressAsked();
};

void TestNet::readsWritesAndReconnect()
{
    QTcpServer server;
    QVERIFY(server.listen(kLoopback));
    AsyncSocket socket;
    TcpLog log(socket);
    QVERIFY(!socket.connectToHost("127.0.0.1", server.serverPort(), 2));
    auto peer = acceptOne(server);
    QVERIFY(peer);
    QTRY_VERIFY(socket.isConnected());
    QCOMPARE(text(socket.connectToHost("127.0.0.1", server.serverPort(), 2)),
             "AsyncSocketException 0 Attempting to connect while connected or accepting "
             "connections. Disconnect first.");

    // Two bursts that arrive before any read is queued come as one chunk.
    auto *qtSocket = socket.findChild<QTcpSocket *>();
    peer->write("ab");
    peer->flush();
    QTRY_COMPARE(qtSocket->bytesAvailable(), 2);
    peer->write("cd");
    QTRY_COMPARE(qtSocket->bytesAvailable(), 4);
    socket.readDataWithTimeout(-1, 7);
    QTRY_COMPARE(log.events, QStringList({"connected", "read 7"}));
    QCOMPARE(log.data, "abcd");

    // Writes reach the peer and complete in queue order.
    for (const auto &[text, tag] : {std::pair{"one ", 1}, {"two ", 2}, {"three", 3}})
        socket.writeData(text, 2, tag);
    QByteArray received;
    QTRY_VERIFY((received += peer->readAll()) == "one two three");
    QTRY_COMPARE(log.events.mid(2), QStringList({"wrote 1", "wrote 2", "wrote 3"}));

    // More than one chunk's worth arrives as reads of at most 64 KiB that add up exactly.
    QByteArray feed(200 * 1024 + 17, Qt::Uninitialized);
    for (qsizetype i = 0; i < feed.size(); ++i)
        feed[i] = char(i * 7 % 251);
    log.keepReading = true;
    log.data.clear();
    peer->write(feed);
    socket.readDataWithTimeout(-1, 100);
    QTRY_COMPARE(log.data.size(), feed.size());
    QCOMPARE(log.data, feed);
    QVERIFY(log.chunks.size() >= 4);
    QVERIFY(*std::max_element(log.chunks.begin(), log.chunks.end()) <= AsyncSocket::kMaxReadChunk);

    // disconnect() drops the queued write yet still reports the end once; the receiver may
    // connect again from that very signal.
    log.events.clear();
    socket.writeData(QByteArray(8 << 20, 'x'), -1, 9);
    bool reconnected = false;
    QObject::connect(&socket, &AsyncSocket::didDisconnect, this, [&] {
        reconnected = !socket.connectToHost("localhost", server.serverPort(), 2);
    });
    socket.disconnect();
    QVERIFY(!socket.isConnected());
    QCOMPARE(log.events, QStringList());
    QTRY_VERIFY(socket.isConnected());
    QVERIFY(reconnected);
    QCOMPARE(log.events, QStringList({"disconnected", "connected"}));
}

void TestNet::connectionEndsWithError_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("error");
    QTest::newRow("refused port") << "closed"
                                  << "NSPOSIXErrorDomain 111 Connection refused";
    QTest::newRow("listener never answers the connect")
        << "full backlog"
        << "AsyncSocketErrorDomain 2 Attempt to connect to host timed out";
    QTest::newRow("silent server") << "silent"
                                   << "AsyncSocketErrorDomain 4 Read operation timed out";
    QTest::newRow("server that never reads")
        << "not reading"
        << "AsyncSocketErrorDomain 5 Write operation timed out";
}

void TestNet::connectionEndsWithError()
{
    QFETCH(QString, peer);
    QFETCH(QString, error);
    QTcpServer server;
    server.setListenBacklogSize(0);
    QVERIFY(server.listen(kLoopback));
    const quint16 port = server.serverPort();
    // Unaccepted connections wait in the kernel, where nobody reads them; with a backlog of 0
    // it queues one and ignores the SYN of the next.
    server.pauseAccepting();
    QTcpSocket filler;
    if (peer == "closed") {
        server.close();
    } else if (peer == "full backlog") {
        filler.connectToHost(kLoopback, port);
        QVERIFY(filler.waitForConnected(2000));
    }
    AsyncSocket socket;
    TcpLog log(socket);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!socket.connectToHost("127.0.0.1", port, 0.3));
    if (peer == "silent")
        socket.readDataWithTimeout(0.3, 1);
    else if (peer == "not reading")
        socket.writeData(QByteArray(64 << 20, 'x'), 0.3, 1);
    QTRY_COMPARE(log.events.size(), peer == "closed" || peer == "full backlog" ? 2 : 3);
    QCOMPARE(log.events.last(2), QStringList({"error " + error, "disconnected"}));
    QVERIFY2(clock.elapsed() < 2000, "a time-out of 0.3 s must not wait for the system's own");
}

void TestNet::peerCloseCompletesTheReadWithoutError()
{
    QTcpServer server;
    QVERIFY(server.listen(kLoopback));
    AsyncSocket socket;
    TcpLog log(socket);
    QVERIFY(!socket.connectToHost("127.0.0.1", server.serverPort(), -1));
    auto peer = acceptOne(server);
    QVERIFY(peer);
    QTRY_VERIFY(socket.isConnected());
    peer->write("73 de node\r\n");
    peer->disconnectFromHost();
    socket.readDataWithTimeout(5, 1);
    QTRY_COMPARE(log.events, QStringList({"connected", "read 1", "disconnected"}));
    QCOMPARE(log.data, "73 de node\r\n");
    QVERIFY(!socket.isConnected());
}

void TestNet::udpDeliversDatagramsTruncated_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("delivered");
    QTest::newRow("one byte") << 1 << 1;
    QTest::newRow("exactly the limit") << 9216 << 9216;
    QTest::newRow("one byte over") << 9217 << 9216;
    QTest::newRow("far over") << 60000 << 9216;
}

void TestNet::udpDeliversDatagramsTruncated()
{
    QFETCH(int, size);
    QFETCH(int, delivered);
    AsyncUdpSocket receiver;
    QVERIFY(!receiver.bindToPort(0));
    AsyncUdpSocket sender;
    QSignalSpy received(&receiver, &AsyncUdpSocket::didReceiveData);
    QSignalSpy sent(&sender, &AsyncUdpSocket::didSendData);
    QSignalSpy receiverClosed(&receiver, &AsyncUdpSocket::didClose);
    QSignalSpy senderClosed(&sender, &AsyncUdpSocket::didClose);
    receiver.receiveWithTimeout(2, 9);
    receiver.closeAfterReceiving();
    QByteArray payload(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        payload[i] = char(i % 253);
    // By name: the resolver answers for localhost from the local hosts file.
    QVERIFY(sender.sendData(payload, "localhost", receiver.localPort(), 2, 4));
    sender.closeAfterSending();
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().value<long>(), 4);
    const QList<QVariant> args = received.first();
    QCOMPARE(args.at(0).toByteArray(), payload.left(delivered));
    QCOMPARE(args.at(1).value<long>(), 9);
    QVERIFY2(QStringList({"127.0.0.1", "::1"}).contains(args.at(2).toString()),
             qPrintable(args.at(2).toString()));
    QVERIFY(args.at(3).value<quint16>() != 0);
    QTRY_VERIFY(receiverClosed.size() == 1 && senderClosed.size() == 1);
    QVERIFY(receiver.isClosed() && sender.isClosed());
}

void TestNet::udpRefusesMisuse()
{
    AsyncUdpSocket ipv4Only(true, false);
    QSignalSpy sent(&ipv4Only, &AsyncUdpSocket::didSendData);
    QSignalSpy notSent(&ipv4Only, &AsyncUdpSocket::didNotSendData);
    QVERIFY(!ipv4Only.sendData({}, "127.0.0.1", 9, -1, 1));
    QVERIFY(!ipv4Only.sendData("x", "", 9, -1, 1));
    QVERIFY(!ipv4Only.sendData("x", "::1", 9, -1, 1));
    QCOMPARE(text(ipv4Only.bindToAddress(QHostAddress::LocalHostIPv6, 0)),
             text(AsyncUdpSocket::error(AsyncUdpSocket::IPv6UnavailableError)));
    QVERIFY(!ipv4Only.bindToAddress(kLoopback, 0));
    QCOMPARE(text(ipv4Only.bindToPort(0)),
             "AsyncUdpSocketException 0 Cannot bind a socket more than once.");
    QVERIFY(!ipv4Only.enableBroadcast(false));
    ipv4Only.closeAfterSending();
    QVERIFY(!ipv4Only.sendData("x", "127.0.0.1", 9, -1, 1));
    QTRY_VERIFY(ipv4Only.isClosed());
    QCOMPARE(text(ipv4Only.bindToPort(0)), "AsyncUdpSocketException 0 The socket is closed.");
    QVERIFY(!ipv4Only.sendData("x", "127.0.0.1", 9, -1, 1));
    QTest::qWait(20); // proves that no outcome is reported later
    QCOMPARE(sent.size() + notSent.size(), 0);
}

void TestNet::udpAcceptorKeepsTheReceiveWaiting()
{
    AsyncUdpSocket receiver(true, false);
    QVERIFY(!receiver.bindToAddress(kLoopback, 0));
    QStringList offered;
    receiver.setAcceptor([&](const QByteArray &data, long tag, const QString &host, quint16) {
        offered << QStringLiteral("%1 %2 %3").arg(data, QString::number(tag), host);
        return false;
    });
    QSignalSpy received(&receiver, &AsyncUdpSocket::didReceiveData);
    QSignalSpy failed(&receiver, &AsyncUdpSocket::didNotReceiveData);
    receiver.receiveWithTimeout(0.3, 5);
    QUdpSocket peer;
    for (const char *text : {"first", "second"}) {
        const qsizetype before = offered.size();
        peer.writeDatagram(text, kLoopback, receiver.localPort());
        QTRY_COMPARE(offered.size(), before + 1);
    }
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(offered, QStringList({"first 5 127.0.0.1", "second 5 127.0.0.1"}));
    QCOMPARE(received.size(), 0);
    QCOMPARE(failed.first().at(0).value<long>(), 5);
    QCOMPARE(text(failed.first().at(1).value<SocketError>()),
             "AsyncUdpSocketErrorDomain 5 Receive operation timed out");
}

/** A flood of datagrams waiting at once is read in turns: a timer due meanwhile (a listening
 *  time limit) runs before all of them are handed on. */
void TestNet::udpListenerLetsTheEventLoopRunUnderAFlood()
{
    net::UdpListener listener(QStringLiteral("tests"));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("Listening for tests on UDP port"));
    QCOMPARE(listener.listen(0, QHostAddress::LocalHost), QString());
    constexpr int kFlood = 200; // well within what the socket buffer holds
    QUdpSocket sender;
    for (int i = 0; i < kFlood; ++i)
        QCOMPARE(
            sender.writeDatagram(QByteArray::number(i), QHostAddress::LocalHost, listener.port()),
            qint64(QByteArray::number(i).size()));
    int received = 0;
    int whenTimerRan = -1;
    connect(&listener, &net::UdpListener::datagramReceived, this, [&] {
        if (++received == 1)
            QTimer::singleShot(0, this, [&] { whenTimerRan = received; });
    });
    QTRY_COMPARE(received, kFlood);
    QVERIFY2(whenTimerRan > 0 && whenTimerRan < kFlood, qPrintable(QString::number(whenTimerRan)));
}

/** Bound to 127.0.0.1, the listener hears this machine only: a datagram to another address of
 *  this machine does not reach it. */
void TestNet::udpListenerBindsTheAddressAsked()
{
    QHostAddress other;
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            other = address;
    if (other.isNull())
        QSKIP("This machine has no IPv4 address besides the loopback one");
    net::UdpListener listener(QStringLiteral("tests"));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("Listening for tests on UDP port"));
    QCOMPARE(listener.listen(0, QHostAddress::LocalHost), QString());
    QStringList heard;
    connect(&listener, &net::UdpListener::datagramReceived, this,
            [&heard](const QByteArray &datagram) { heard << QString::fromLatin1(datagram); });
    QUdpSocket sender;
    sender.writeDatagram("from the network", other, listener.port());
    sender.writeDatagram("from this machine", QHostAddress::LocalHost, listener.port());
    QTRY_COMPARE(heard.size(), 1);
    QTest::qWait(50); // proves that the datagram from elsewhere is not heard late
    QCOMPARE(heard, QStringList{"from this machine"});
}

QTEST_GUILESS_MAIN(TestNet)
#include "tst_net.moc"
