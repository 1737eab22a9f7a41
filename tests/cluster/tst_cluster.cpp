// The cluster connection: framing the node's bytes, logging in, keeping the line, reconnecting,
// and the screen's hand-off of spots, against a node on the loopback interface.

#include "../shell/ShellFixture.h"
#include "LoopbackNode.h"
#include "app/Notifications.h"
#include "cluster/ClusterAddress.h"
#include "cluster/ClusterMacros.h"
#include "cluster/ClusterScreen.h"
#include "cluster/ClusterSession.h"
#include "cluster/LineFramer.h"
#include "cluster/TerminalModel.h"
#include "model/LogModel.h"
#include "model/QsoClass.h"
#include "refdata/OneDxSpotClass.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using cluster::ClusterSession;
using State = ClusterSession::State;

namespace {

const QByteArray kSpot = "DX de K1ABC:     14025.0  JA1XYZ       599 tnx QSO            1159Z\r\n";

ClusterSession::Timings fastTimings()
{
    ClusterSession::Timings t;
    t.connectTimeoutMs = 2000;
    t.keepAliveMs = 150;
    t.firstReconnectMs = 50;
    t.longestReconnectMs = 200;
    t.stableMs = 10'000;
    return t;
}

} // namespace

class TestCluster : public QObject, ShellFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void framesReadsIntoLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<QByteArray>("reply");

        QTest::newRow("a line split across two reads is one line")
            << QList<QByteArray>{"DX de K1ABC:  14025.0  JA1", "XYZ  1234Z\r\n"}
            << QStringList{"DX de K1ABC:  14025.0  JA1XYZ  1234Z\r"} << "" << QByteArray();
        QTest::newRow("a read ending in a line feed leaves no tail")
            << QList<QByteArray>{"one\ntwo\n"} << QStringList{"one", "two"} << "" << QByteArray();
        QTest::newRow("empty lines are skipped, BEL stays")
            << QList<QByteArray>{"\n\nbeep\a\r\n\n"} << QStringList{"beep\a\r"} << ""
            << QByteArray();
        QTest::newRow("telnet negotiation split across reads is taken out and refused")
            << QList<QByteArray>{"log\xff", "\xfb\x01in: "} << QStringList{}
            << "login: " << QByteArray("\xff\xfe\x01");
        QTest::newRow("a DO is answered with WONT, an escaped 255 stays")
            << QList<QByteArray>{"a\xff\xfd\x18"
                                 "b\xff\xff\n"}
            << QStringList{"ab\u00ff"} << "" << QByteArray("\xff\xfc\x18");
        QTest::newRow("subnegotiation is dropped whole")
            << QList<QByteArray>{"x\xff\xfa\x18\x01\xff", "\xf0y\n"} << QStringList{"xy"} << ""
            << QByteArray();
        QTest::newRow("Latin-1 comment text is kept, not the whole read dropped")
            << QList<QByteArray>{"DX de DL1AA: 7010.0 F5ABC caf\xe9 599 1200Z\nnext\n"}
            << QStringList{"DX de DL1AA: 7010.0 F5ABC caf\u00e9 599 1200Z", "next"} << ""
            << QByteArray();
        QTest::newRow("UTF-8 cut between reads decodes once whole")
            << QList<QByteArray>{"Gr\xc3", "\xbc\xc3\x9f"
                                           "e\n"}
            << QStringList{"Grüße"} << "" << QByteArray();
        QTest::newRow("a flood of the same request is refused once")
            << QList<QByteArray>{QByteArray("\xff\xfd\x01").repeated(5000) + "ok\n",
                                 QByteArray("\xff\xfb\x01").repeated(3)}
            << QStringList{"ok"} << "" << QByteArray("\xff\xfc\x01\xff\xfe\x01");
        QTest::newRow("a subnegotiation without its end does not swallow the stream")
            << QList<QByteArray>{"\xff\xfa\x18" + QByteArray(cluster::LineFramer::kMaxSub - 1, 'q'),
                                 "DX de K1ABC: 14025.0 JA1XYZ 1234Z\n"}
            << QStringList{"DX de K1ABC: 14025.0 JA1XYZ 1234Z"} << "" << QByteArray();
        QTest::newRow("a run without line feed is handed on at the cap")
            << QList<QByteArray>{QByteArray(cluster::LineFramer::kMaxTail + 5, 'x')}
            << QStringList{QString(cluster::LineFramer::kMaxTail + 5, u'x')} << "" << QByteArray();
    }

    void framesReadsIntoLines()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(QStringList, lines);
        cluster::LineFramer framer;
        QStringList got;
        QByteArray reply;
        for (const QByteArray &read : reads) {
            const cluster::LineFramer::Chunk chunk = framer.push(read);
            got += chunk.lines;
            reply += chunk.reply;
        }
        QCOMPARE(got, lines);
        QTEST(framer.tail(), "tail");
        QTEST(reply, "reply");
    }

    void recognisesCallPrompts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("asks");
        QTest::newRow("DX Spider") << QByteArray("Hello\r\nlogin: ") << true;
        QTest::newRow("AR-Cluster") << QByteArray("Please enter your call: ") << true;
        QTest::newRow("bare") << QByteArray("enter your call") << true;
        QTest::newRow("upper case") << QByteArray("\r\nLOGIN:") << true;
        QTest::newRow("the words inside a longer text")
            << QByteArray("You must enter your call to proceed") << false;
        QTest::newRow("a finished line") << QByteArray("login: \r\n") << false;
    }

    void recognisesCallPrompts()
    {
        QFETCH(QByteArray, text);
        cluster::LineFramer framer;
        (void)framer.push(text);
        QTEST(framer.asksForCall(), "asks");
    }

    void logsInOncePerConnectionAndFramesTheFeed()
    {
        LoopbackNode node;
        ClusterSession session;
        session.setTimings(fastTimings());
        session.setLoginCall(QStringLiteral("DL1ABC"));
        QSignalSpy lines(&session, &ClusterSession::lineReceived);
        QString terminal;
        connect(&session, &ClusterSession::textReceived, this,
                [&terminal](const QString &text) { terminal += text; });

        session.connectTo({QStringLiteral("Local"), QStringLiteral("127.0.0.1"), node.port()});
        QVERIFY(node.waitForClient());
        QTRY_COMPARE(session.state(), State::Connected);
        node.send("Welcome\r\nlog");
        node.send("in: ");
        QTRY_COMPARE(node.received(), QByteArray("DL1ABC\r\n"));
        node.send("\r\nlogin: ");
        QTest::qWait(50); // proves that the second prompt is not answered
        QCOMPARE(node.received(), QByteArray("DL1ABC\r\n"));

        QByteArray burst;
        for (int i = 0; i < 5000; ++i)
            burst += kSpot;
        node.send(burst);
        const auto spotLines = [&lines] {
            return std::count_if(lines.cbegin(), lines.cend(), [](const QList<QVariant> &line) {
                return line.first().toString() == QString::fromLatin1(kSpot).chopped(1);
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(spotLines(), 4999, 10'000); // the first glued to the prompt
        QVERIFY(terminal.contains(QLatin1String(" *** Connected to Local *** ")));

        // A silent node hears line ends to keep the line open.
        QTRY_VERIFY(node.received().endsWith("\r\n\r\n"));
    }

    void reconnectsAfterTheNodeDropsButNotAfterTheUser_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("orderly close") << false;
        QTest::newRow("connection reset") << true;
    }

    void reconnectsAfterTheNodeDropsButNotAfterTheUser()
    {
        QFETCH(bool, reset);
        LoopbackNode node;
        node.setGreeting("login: ");
        ClusterSession session;
        session.setTimings(fastTimings());
        session.setLoginCall(QStringLiteral("DL1ABC"));
        session.connectTo({QStringLiteral("Local"), QStringLiteral("127.0.0.1"), node.port()});
        QVERIFY(node.waitForClient());
        QTRY_COMPARE(node.received(), QByteArray("DL1ABC\r\n"));

        reset ? node.reset() : node.close();
        QTRY_COMPARE(session.state(), State::WaitingToReconnect);
        QVERIFY(node.waitForClient(2));
        QTRY_COMPARE(session.state(), State::Connected);
        QTRY_COMPARE(node.received(), QByteArray("DL1ABC\r\nDL1ABC\r\n")); // once more, anew

        session.disconnectFromNode();
        QTRY_COMPARE(session.state(), State::Disconnected);
        QTest::qWait(150); // proves that no reconnect follows (the test timings retry sooner)
        QCOMPARE(node.connections(), 2);
    }

    void failedConnectsEndDisconnected_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("nobody listens") << 0 << "refused";
        QTest::newRow("port beyond the TCP range") << 70000 << "The port 70000 is not between";
    }

    void failedConnectsEndDisconnected()
    {
        QFETCH(int, port);
        int target = port;
        if (port == 0) {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            target = probe.serverPort();
        } // closed again: a refused port
        ClusterSession session;
        session.setTimings(fastTimings());
        QString terminal;
        connect(&session, &ClusterSession::textReceived, this,
                [&terminal](const QString &text) { terminal += text; });
        session.connectTo({QStringLiteral("Local"), QStringLiteral("127.0.0.1"), target});
        QTRY_COMPARE(session.state(), State::Disconnected);
        QTest::qWait(100); // never up, so no second attempt
        QCOMPARE(session.state(), State::Disconnected);
        QFETCH(QString, message);
        QVERIFY2(terminal.contains(message, Qt::CaseInsensitive), qPrintable(terminal));
    }

    void terminalShowsLinesAsTheyComplete_data()
    {
        QTest::addColumn<QStringList>("pieces"); // each handed in, then flushed
        QTest::addColumn<QString>("text");
        QTest::newRow("a line finished by a later piece")
            << QStringList{"DX de K1A", "BC: 14025\n"} << "DX de K1ABC: 14025";
        QTest::newRow("carriage returns and bells are not shown, tabs are")
            << QStringList{"one\r\n\atwo\tthree\r\n"} << "one\ntwo\tthree";
        QTest::newRow("an open last line grows, the next one starts anew")
            << QStringList{"login: ", "DL1ABC\n", "Hello"} << "login: DL1ABC\nHello";
        QTest::newRow("empty lines stay") << QStringList{"a\n\n\nb\n"} << "a\n\n\nb";
    }

    void terminalShowsLinesAsTheyComplete()
    {
        QFETCH(QStringList, pieces);
        cluster::TerminalModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const QString &piece : std::as_const(pieces)) {
            model.addMessage(piece);
            model.flush();
        }
        QTEST(model.text(), "text");
    }

    void terminalKeepsTheLastLinesAndFlushesByItself()
    {
        cluster::TerminalModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy appended(&model, &cluster::TerminalModel::appended);
        QString many;
        for (int i = 0; i < cluster::TerminalModel::kMaxLines + 5; ++i)
            many += QStringLiteral("line %1\n").arg(i);
        model.addMessage(many);
        QCOMPARE(model.rowCount(), 0); // shown at the next flush
        QVERIFY(appended.wait());
        QCOMPARE(model.rowCount(), cluster::TerminalModel::kMaxLines);
        QCOMPARE(model.index(0).data(cluster::TerminalModel::LineRole).toString(), "line 5");
        model.addMessage(QStringLiteral("last\n"));
        model.flush();
        QCOMPARE(model.rowCount(), cluster::TerminalModel::kMaxLines);
        QCOMPARE(model.index(0).data().toString(), "line 6");
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void screenListsSpotsAndHandsThemOn()
    {
        LoopbackNode node;
        cluster::saveClusters(app->defaults(),
                              {{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), node.port()}},
                              0);
        cluster::ClusterScreen screen(app->defaults(), app->notifications(), app->clock(),
                                      app->log(), app->dxcc(), app->functions(), false);
        QAbstractItemModelTester tester(screen.spots());
        QCOMPARE(screen.title(), QStringLiteral("Disconnected"));
        screen.toggleConnection();
        QVERIFY(node.waitForClient());
        QTRY_VERIFY(screen.connected());
        QCOMPARE(screen.title(), QStringLiteral("Local"));
        QCOMPARE(screen.buttonTitle(), QStringLiteral("Disconnect"));

        node.send(kSpot + "DX de W1AW:   3525.0  JA1XYZ  CW 1158Z\r\nnot a spot\r\n");
        QTRY_COMPARE(screen.spots()->rowCount(), 2);

        QVariant trx;
        QVariant record;
        app->notifications().observe(QString::fromLatin1(notifications::SetTrxData), this,
                                     [&trx](const QVariant &v) { trx = v; });
        app->notifications().observe(QString::fromLatin1(notifications::Qso4Log), this,
                                     [&record](const QVariant &v) { record = v; });
        const int row = screen.spots()->rowCount() - 1;
        screen.useDataInLog(row);
        QCOMPARE(trx.value<OneDxSpotClass>().qrg, screen.spots()->spotAt(row).qrg);
        const QsoClass qso = record.value<QsoClass>();
        QCOMPARE(qso.callsign, QStringLiteral("JA1XYZ"));
        QCOMPARE(qso.id.value_or(0), 73);
        QCOMPARE(qso.qrgText(), screen.spots()->spotAt(row).qrg > 10000
                                    ? QStringLiteral("14,025.0")
                                    : QStringLiteral("3,525.0"));

        // A macro with the marker goes out at once; one without comes back for the field.
        screen.macros()->setMacro(0, QStringLiteral("DX"), QStringLiteral("sh/dx 5%tx"));
        screen.macros()->setMacro(1, QStringLiteral("Talk"), QStringLiteral("talk "));
        QCOMPARE(screen.fireMacro(0), QString());
        QCOMPARE(screen.fireMacro(1), QStringLiteral("talk "));
        QTRY_VERIFY(node.received().endsWith("sh/dx 5\r\n"));

        screen.toggleConnection();
        QTRY_COMPARE(screen.buttonTitle(), QStringLiteral("Connect"));
    }

    void nodeListRefusesBadEntriesAndFallsBackToKiel()
    {
        QCOMPARE(cluster::usedCluster(app->defaults()), cluster::defaultCluster());
        QCOMPARE(cluster::defaultCluster().name, QStringLiteral("Kiel"));
        QCOMPARE(cluster::defaultCluster().portnumber, 8000);
        cluster::ClusterNodeList nodes(app->defaults(), app->notifications());
        QCOMPARE(nodes.nodes().size(), 1);
        for (const QString &port : {QStringLiteral(""), QStringLiteral("0"),
                                    QStringLiteral("65536"), QStringLiteral("80a")})
            QVERIFY(!nodes.add(QStringLiteral("Home"), QStringLiteral("dx.local"), port).isEmpty());
        QVERIFY(!nodes.add(QStringLiteral("H"), QStringLiteral("dx.local"), "7300").isEmpty());
        QCOMPARE(nodes.add(QStringLiteral("Home"), QStringLiteral("dx.local"), "7300"), QString());
        QCOMPARE(cluster::usedCluster(app->defaults()).adresse, QStringLiteral("dx.local"));
        QVERIFY(posted.contains(QString::fromLatin1(notifications::DxPrefsWereChanged)));
        app->defaults().setValue(QStringLiteral("Used_Dx_Cluster_Index"), 9);
        QCOMPARE(cluster::usedCluster(app->defaults()), cluster::defaultCluster());
    }
};

QTEST_MAIN(TestCluster)
#include "tst_cluster.moc"
