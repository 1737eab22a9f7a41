#include "HamlibDummyRig.h"
#include "trx/InterfaceDiscovery.h"
#include "trx/LinkChoice.h"
#include "trx/NetworkLink.h"
#include "trx/RigctldCommands.h"
#include "trx/SerialLink.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

using namespace trx;

namespace {

/** What a link handed on. */
struct Collected {
    QByteArray bytes;
    QStringList closeReasons;
    int opened = 0;

    explicit Collected(ByteLink &link)
    {
        QObject::connect(&link, &ByteLink::received,
                         [this](const QByteArray &piece) { bytes += piece; });
        QObject::connect(&link, &ByteLink::closed,
                         [this](const QString &reason) { closeReasons << reason; });
        QObject::connect(&link, &ByteLink::opened, [this] { ++opened; });
    }
};

/** The radio's side of a pseudo-terminal; the link opens the other side as its serial port. */
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0)
            return;
        if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
            closeRadioSide();
            return;
        }
        m_device = QString::fromLocal8Bit(ptsname(m_master));
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() { closeRadioSide(); }

    [[nodiscard]] bool isValid() const { return m_master >= 0; }
    [[nodiscard]] QString device() const { return m_device; }
    bool send(const QByteArray &bytes) const
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    QByteArray take() const
    {
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, n) : QByteArray();
    }
    void closeRadioSide()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    QString m_device;
};

/** A loopback port that takes no connection: its accept queue is full, so further SYNs are
 *  dropped and a connect hangs until its own time-out. */
class DeafPort {
public:
    DeafPort()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_listener, 0) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        for (int i = 0; i < 2; ++i) {
            const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            (void)::connect(filler, reinterpret_cast<sockaddr *>(&address), sizeof address);
            m_fillers << filler;
            QTest::qWait(50); // lets the kernel queue it before the next one
        }
    }
    ~DeafPort()
    {
        for (const int filler : std::as_const(m_fillers))
            ::close(filler);
        ::close(m_listener);
    }

    [[nodiscard]] quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    QList<int> m_fillers;
};

quint16 freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

/** Sends one datagram from the given loopback address and port, as an interface would. */
void sendFrom(const QString &address, quint16 fromPort, quint16 toPort)
{
    QUdpSocket sender;
    QVERIFY2(sender.bind(QHostAddress(address), fromPort,
                         QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint),
             qPrintable(sender.errorString()));
    QCOMPARE(sender.writeDatagram("Pigtail", QHostAddress::LocalHost, toPort), qint64(7));
}

enum class Peer { HangsUp, Refuses, NeverAnswers };

} // namespace

Q_DECLARE_METATYPE(Peer)

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    // ---- LinkChoice ----

    void linkChoiceTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("where");     // host or device
        QTest::addColumn<QString>("canonical"); // empty: refused
        const auto row = [](const char *what, const char *text, const char *where,
                            const char *canonical) {
            QTest::newRow(what) << QString(text) << QString(where) << QString(canonical);
        };
        row("interface by address", "tcp:192.168.1.50:4001", "192.168.1.50",
            "tcp:192.168.1.50:4001");
        row("interface by name, blanks around", "  TCP:pigtail.local:23 ", "pigtail.local",
            "tcp:pigtail.local:23");
        row("interface IPv6 literal in brackets", "tcp:[fe80::1]:4001", "fe80::1",
            "tcp:[fe80::1]:4001");
        row("serial with the default baud rate", "serial:/dev/ttyUSB0", "/dev/ttyUSB0",
            "serial:/dev/ttyUSB0:38400");
        row("serial with hardware flow control", "serial:/dev/ttyUSB0:115200:rtscts",
            "/dev/ttyUSB0", "serial:/dev/ttyUSB0:115200:rtscts");
        row("rigctld default port", "rigctld:localhost", "localhost", "rigctld:localhost:4532");
        row("rigctld own port", "rigctld:127.0.0.1:4533", "127.0.0.1", "rigctld:127.0.0.1:4533");
        row("rigctld IPv6 default port", "rigctld:[::1]", "::1", "rigctld:[::1]:4532");
        for (const char *refused :
             {"tcp:host", "tcp:host:65536", "tcp::23", "tcp:fe80::1:4001", "serial:/dev/ttyS0:0",
              "serial:", "serial:/dev/ttyS0:9600:odd", "rigctld:host:", "udp:host:4532", ""})
            row(refused[0] ? refused : "empty", refused, "", "");
    }

    void linkChoiceTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, where);
        QFETCH(QString, canonical);

        const std::optional<LinkChoice> choice = LinkChoice::parse(text);
        QCOMPARE(choice.has_value(), !canonical.isEmpty());
        if (!choice)
            return;
        QCOMPARE(choice->kind == LinkChoice::Kind::Serial ? choice->device : choice->host, where);
        QCOMPARE(choice->toString(), canonical);
        // The canonical text reads back as the same choice.
        const std::optional<LinkChoice> again = LinkChoice::parse(canonical);
        QVERIFY(again);
        QCOMPARE(again->toString(), canonical);
        // And the link made for it says where it goes.
        const std::unique_ptr<ByteLink> link = makeLink(*choice);
        QVERIFY(link);
        QCOMPARE(link->description(), canonical.section(u':', 0, 0) == u"serial"
                                          ? canonical.section(u':', 0, 2)
                                          : canonical);
    }

    // ---- NetworkLink ----

    void networkLinkCarriesBytesBothWaysInOrder()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        NetworkLink link(QStringLiteral("127.0.0.1"), server.serverPort());
        Collected got(link);
        link.open();
        QTRY_COMPARE(got.opened, 1);
        QVERIFY(link.isOpen());
        QTRY_VERIFY(server.hasPendingConnections());
        std::unique_ptr<QTcpSocket> radio(server.nextPendingConnection());

        // Many small commands leave in the order they were written.
        QByteArray expected;
        for (int i = 0; i < 200; ++i) {
            const QByteArray command = "FA" + QByteArray::number(14000000 + i) + ';';
            link.write(command);
            expected += command;
        }
        QByteArray atRadio;
        QTRY_VERIFY((atRadio += radio->readAll()).size() >= expected.size());
        QCOMPARE(atRadio, expected);

        // A long burst from the radio comes through whole.
        QByteArray burst;
        for (int i = 0; i < 5000; ++i)
            burst += char('A' + i % 26);
        radio->write(burst);
        QTRY_COMPARE(got.bytes.size(), burst.size());
        QCOMPARE(got.bytes, burst);
        QVERIFY(got.closeReasons.isEmpty());

        link.close();
        QVERIFY(!link.isOpen());
        link.write("dropped;");
        QTRY_COMPARE(got.closeReasons, QStringList{QString()});
        QTRY_COMPARE(radio->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(radio->readAll(), QByteArray());
    }

    void networkLinkReportsWhyItClosed_data()
    {
        QTest::addColumn<Peer>("peer");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("opened");

        QTest::newRow("the interface hangs up")
            << Peer::HangsUp << "The other side closed the connection." << 1;
        QTest::newRow("nothing listens on the port") << Peer::Refuses << "Connection refused" << 0;
        QTest::newRow("the connect never completes")
            << Peer::NeverAnswers << "Attempt to connect to host timed out" << 0;
    }

    void networkLinkReportsWhyItClosed()
    {
        QFETCH(Peer, peer);
        QFETCH(QString, reason);
        QFETCH(int, opened);

        QTcpServer server;
        std::unique_ptr<DeafPort> deaf;
        quint16 port = 0;
        switch (peer) {
        case Peer::HangsUp:
            QVERIFY(server.listen(QHostAddress::LocalHost, 0));
            port = server.serverPort();
            break;
        case Peer::Refuses:
            port = freeTcpPort();
            break;
        case Peer::NeverAnswers:
            deaf = std::make_unique<DeafPort>();
            port = deaf->port();
            QVERIFY(port != 0);
            break;
        }

        NetworkLink link(QStringLiteral("127.0.0.1"), port);
        link.setConnectTimeoutMs(300);
        Collected got(link);
        link.open();
        QVERIFY(got.closeReasons.isEmpty()); // not from inside open(), even when refused at once
        // Its last words come through before the close, however many there are.
        const QByteArray lastWords(200 * 1024, 'k');
        if (peer == Peer::HangsUp) {
            QTRY_VERIFY(server.hasPendingConnections());
            QTcpSocket *radio = server.nextPendingConnection();
            radio->write(lastWords);
            radio->disconnectFromHost(); // once the bytes are out
        }
        QTRY_COMPARE(got.closeReasons.size(), 1);
        QCOMPARE(got.closeReasons.first(), reason);
        QCOMPARE(got.opened, opened);
        QCOMPARE(got.bytes.size(), peer == Peer::HangsUp ? lastWords.size() : 0);
        QVERIFY(!link.isOpen());
        // Nothing more follows, and the link can be opened again.
        QTest::qWait(50);
        QCOMPARE(got.closeReasons.size(), 1);
        if (peer == Peer::HangsUp) {
            link.open();
            QTRY_COMPARE(got.opened, 2);
        }
    }

    void networkLinkMayBeDeletedWhileReceiving()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        auto *link = new NetworkLink(QStringLiteral("127.0.0.1"), server.serverPort());
        QPointer<NetworkLink> watch(link);
        int pieces = 0;
        connect(link, &ByteLink::received, this, [&] {
            ++pieces;
            delete link;
        });
        QSignalSpy opened(link, &ByteLink::opened);
        link->open();
        QTRY_COMPARE(opened.size(), 1);
        QTRY_VERIFY(server.hasPendingConnections());
        std::unique_ptr<QTcpSocket> radio(server.nextPendingConnection());
        radio->write(QByteArray(3000, 'x')); // three pieces, but the first one deletes the link
        QTRY_VERIFY(watch.isNull());
        QTest::qWait(50); // proves that no later piece reaches the deleted link
        QCOMPARE(pieces, 1);
    }

    // ---- SerialLink ----

    void serialLinkCarriesBytesBothWaysUntilTheDeviceGoes()
    {
        PseudoTerminal radio;
        if (!radio.isValid())
            QSKIP("no pseudo-terminals here");
        SerialLink link(radio.device(), 38400, false);
        QCOMPARE(link.description(), QStringLiteral("serial:%1:38400").arg(radio.device()));
        Collected got(link);
        link.open();
        QVERIFY(!link.isOpen());
        QTRY_COMPARE(got.opened, 1);
        QVERIFY(link.isOpen());

        // Binary bytes pass untouched: no line-ending translation, no echo.
        const QByteArray civ = QByteArray::fromHex("FEFEA4E00300FD0D0A1113FF");
        link.write(civ);
        link.write("IF;");
        QByteArray atRadio;
        QTRY_VERIFY((atRadio += radio.take()).size() >= civ.size() + 3);
        QCOMPARE(atRadio, civ + "IF;");

        const QByteArray reply = QByteArray::fromHex("FEFEE0A4000040071400FD") + "\r\n";
        QVERIFY(radio.send(reply.left(5)));
        QTRY_COMPARE(got.bytes, reply.left(5));
        QVERIFY(radio.send(reply.mid(5)));
        QTRY_COMPARE(got.bytes, reply);

        link.close();
        QTRY_COMPARE(got.closeReasons, QStringList{QString()});
        // The port is free again for the next open.
        link.open();
        QTRY_COMPARE(got.opened, 2);

        radio.closeRadioSide(); // as when the USB cable is pulled
        QTRY_COMPARE(got.closeReasons.size(), 2);
        QCOMPARE(got.closeReasons.last(),
                 QStringLiteral("The serial port %1 was disconnected.").arg(radio.device()));
        QVERIFY(!link.isOpen());
        QTest::qWait(50); // proves that the close is reported once
        QCOMPARE(got.closeReasons.size(), 2);
    }

    void serialLinkReportsAnOpenFailure()
    {
        const QString missing = QStringLiteral("/dev/brindlewick-no-such-port");
        QVERIFY(!QFile::exists(missing));
        SerialLink link(missing, 38400, false);
        Collected got(link);
        link.open();
        QCOMPARE(got.closeReasons.size(), 0);
        QTRY_COMPARE(got.closeReasons.size(), 1);
        QVERIFY2(got.closeReasons.first().startsWith(QStringLiteral("Cannot open ") + missing),
                 qPrintable(got.closeReasons.first()));
        QCOMPARE(got.opened, 0);
    }

    // ---- InterfaceDiscovery ----

    void discoveryListsEachInterfaceHostOnceUntilItEnds()
    {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        const quint16 port = probe.localPort();
        probe.close();
        InterfaceDiscovery discovery;
        discovery.setListenMs(1000);
        QSignalSpy failed(&discovery, &InterfaceDiscovery::failed);
        QSignalSpy running(&discovery, &InterfaceDiscovery::runningChanged);
        QSignalSpy progress(&discovery, &InterfaceDiscovery::progressChanged);
        discovery.start(port);
        QVERIFY(discovery.isRunning());
        QCOMPARE(discovery.progress(), 0.0);
        QCOMPARE(failed.size(), 0);

        sendFrom(QStringLiteral("127.0.0.2"), port, port);
        sendFrom(QStringLiteral("127.0.0.2"), port, port); // a second interface on the same host
        sendFrom(QStringLiteral("127.0.0.3"), port + 1, port); // not from the interface port
        sendFrom(QStringLiteral("127.0.0.4"), port, port);
        QTRY_COMPARE(discovery.hosts(),
                     (QStringList{QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.4")}));
        QTRY_VERIFY(!discovery.isRunning());
        QCOMPARE(discovery.hosts().size(), 2);
        QCOMPARE(running.size(), 2);
        QCOMPARE(discovery.progress(), 1.0);
        QVERIFY(progress.size() > 3); // it moved in steps

        // A new listening starts with an empty list.
        discovery.start(port);
        QVERIFY(discovery.hosts().isEmpty());
        discovery.stop();
        QVERIFY(!discovery.isRunning());
    }

    // ---- RigctldCommands ----

    void rigctldRepliesAreFramed_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<double>("kHz");
        QTest::addColumn<QString>("modes"); // shown mode, then log mode
        QTest::addColumn<bool>("lastPieceRead");
        const auto row = [](const char *what, const QByteArrayList &pieces, double kHz,
                            const char *modes, bool lastPieceRead = true) {
            QTest::newRow(what) << pieces << kHz << QString(modes) << lastPieceRead;
        };
        row("frequency and mode in one piece", {"14074000\nUSB\n2400\n"}, 14074, "USB SSB");
        row("passband in the next read is not a frequency", {"7030000\nCW\n", "500\n"}, 7030,
            "CW CW", false);
        row("passband split across reads", {"CWR\n5", "00\n3573000\n"}, 3573, "CWR CW");
        row("set commands answered, then the read-back",
            {"RPRT 0\nRPRT 0\n10136000\nPKTUSB\n3000\n"}, 10136, "PKTUSB PSK31");
        row("failed frequency query is skipped", {"RPRT -11\nLSB\n2400\n"}, 0, "LSB SSB");
        row("failed mode query sends no passband", {"RPRT -1\n", "3700000\n"}, 3700, " ");
        row("CR LF line ends", {"145500000\r\nFM\r\n15000\r\n"}, 145500, "FM FM");
        row("unknown mode shown, log mode kept", {"USB\n2400\nFAX\n0\n"}, 0, "FAX SSB");
        row("an over-long line is dropped, the next read",
            {QByteArray(200, '1'), QByteArray(200, '2'), "\n", "50313000\n"}, 50313, " ");
        row("a frequency behind an over-long line is kept", {QByteArray(300, 'x') + "\n1840000\n"},
            1840, " ");
        row("nonsense numbers are ignored", {"0\n-7000000\nnan\n1e400\n"}, 0, " ", false);
    }

    void rigctldRepliesAreFramed()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(double, kHz);
        QFETCH(QString, modes);
        QFETCH(bool, lastPieceRead);

        RigctldCommands commands;
        bool read = false;
        for (const QByteArray &piece : std::as_const(pieces))
            read = commands.feed(piece);
        QCOMPARE(read, lastPieceRead);
        QCOMPARE(commands.state().kHz, kHz);
        QCOMPARE(commands.state().mode + ' ' + commands.state().logMode, modes);

        // A new connection forgets the half line.
        commands.feed("123");
        commands.reset();
        commands.feed("7000000\n");
        QCOMPARE(commands.state().kHz, 7000.0);
    }

    void rigctldTuneCommands_data()
    {
        QTest::addColumn<double>("kHz");
        QTest::addColumn<int>("xMode");
        QTest::addColumn<QByteArray>("sent");

        QTest::newRow("CW") << 7030.5 << 1 << QByteArray("F 7030500\nM CW 0\nf\nm\n");
        QTest::newRow("digital") << 14074.0 << 2 << QByteArray("F 14074000\nM PKTUSB 0\nf\nm\n");
        QTest::newRow("phone below 10 MHz is LSB")
            << 7199.999 << 3 << QByteArray("F 7199999\nM LSB 0\nf\nm\n");
        QTest::newRow("phone from 10 MHz is USB")
            << 10000.0 << 3 << QByteArray("F 10000000\nM USB 0\nf\nm\n");
        QTest::newRow("sub-Hz rounds") << 3573.0006 << 0 << QByteArray("F 3573001\nf\nm\n");
        QTest::newRow("no frequency, nothing sent") << 0.0 << 3 << QByteArray();
    }

    void rigctldTuneCommands()
    {
        QFETCH(double, kHz);
        QFETCH(int, xMode);
        QFETCH(QByteArray, sent);

        RigctldCommands commands;
        QByteArray all;
        for (const Command &command : commands.tune({kHz, xMode}, CatOptions{}))
            all += command.bytes;
        QCOMPARE(all, sent);
    }

    void rigctldTunesTheHamlibDummyRig()
    {
        if (!HamlibDummyRig::installed())
            QSKIP("Hamlib's rigctld is not installed (package libhamlib-utils)");
        HamlibDummyRig rig;
        QVERIFY(rig.start());
        const quint16 port = rig.port();

        const std::optional<LinkChoice> choice =
            LinkChoice::parse(QStringLiteral("rigctld:127.0.0.1:%1").arg(port));
        QVERIFY(choice);
        std::unique_ptr<ByteLink> link;
        std::unique_ptr<CommandSet> commands = makeRigctldCommandSet();
        QVERIFY(commands);
        QVERIFY(commands->alwaysPolled());
        // rigctld needs a moment before it listens.
        for (int attempt = 0; attempt < 50; ++attempt) {
            link = makeLink(*choice);
            QSignalSpy opened(link.get(), &ByteLink::opened);
            QSignalSpy closed(link.get(), &ByteLink::closed);
            link->open();
            QTRY_VERIFY(opened.size() + closed.size() > 0);
            if (link->isOpen())
                break;
            QTest::qWait(100); // before the next attempt
        }
        QVERIFY(link->isOpen());
        connect(link.get(), &ByteLink::received, this,
                [&commands](const QByteArray &bytes) { commands->feed(bytes); });
        const auto send = [&link](const Commands &sent) {
            for (const Command &command : sent)
                link->write(command.bytes);
        };

        send(commands->startup());
        QTRY_VERIFY(commands->state().kHz > 0 && !commands->state().mode.isEmpty());

        send(commands->tune({14074.0, 3}, CatOptions{}));
        QTRY_COMPARE(commands->state().kHz, 14074.0);
        QTRY_COMPARE(commands->state().mode, QStringLiteral("USB"));
        QCOMPARE(commands->state().logMode, QStringLiteral("SSB"));
        QCOMPARE(commands->frequencyText(), QStringLiteral("14,074.000"));

        send(commands->tune({7030.0, 1}, CatOptions{}));
        QTRY_COMPARE(commands->state().kHz, 7030.0);
        QTRY_COMPARE(commands->state().logMode, QStringLiteral("CW"));

        // Polling keeps the state, replies interleaved with nothing else.
        send(commands->poll());
        send(commands->poll());
        QTest::qWait(200); // proves that the replies to the polls change nothing
        QCOMPARE(commands->state().kHz, 7030.0);
        QCOMPARE(commands->state().mode, QStringLiteral("CW"));

        link->close();
    }
};

QTEST_GUILESS_MAIN(TestLinks)
#include "tst_links.moc"
