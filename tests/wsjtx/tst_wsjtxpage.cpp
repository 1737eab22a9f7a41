// The WSJT-X settings page as a user drives it on both screen sets: the port typed, logging
// switched on, and a QSO sent by "WSJT-X" over loopback showing up in the list.

#include "../shell/ShellFixture.h"
#include "../ui/QmlWindow.h"
#include "model/LogModel.h"
#include "shell/WsjtxSettings.h"
#include "wsjtx/WsjtxListener.h"

#include <QDataStream>
#include <QUdpSocket>

namespace {

/** A "Logged ADIF" message as WSJT-X writes it. */
QByteArray loggedAdif()
{
    const QByteArray text = "\n<adif_ver:5>3.1.0\n<programid:6>WSJT-X\n<EOH>\n"
                            "<call:5>K1ABC <gridsquare:4>FN42 <mode:3>FT8 <rst_sent:3>-05 "
                            "<rst_rcvd:3>-11 <qso_date:8>20250615 <time_on:6>115900 "
                            "<band:3>20m <freq:9>14.075900 <EOR>";
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << quint32(0xadbccbda) << quint32(3) << quint32(12) << QByteArray("WSJT-X") << text;
    return bytes;
}

} // namespace

class TestWsjtxPage : public QObject {
    Q_OBJECT

    ShellFixture f;
    QmlWindow ui;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        ui.close();
        f.tearDown();
    }

    void portSwitchAndReceivedQsos_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
    }

    void portSwitchAndReceivedQsos()
    {
        QFETCH(bool, phone);
        f.setUp();
        QVERIFY(ui.open(*f.app, phone));
        QVERIFY(ui.shell->showScreen(screens::Screen::Wsjtx));
        QCOMPARE(ui.textOf("wsjtxPort"), QStringLiteral("2237"));
        QCOMPARE(ui.textOf("wsjtxStatus"), QStringLiteral("Off"));

        ui.type(ui.find("wsjtxPort"), QStringLiteral("70000"));
        QCOMPARE(ui.textOf("wsjtxPortError"),
                 QStringLiteral("The port must be a number from 1 to 65535."));
        UserDefaults &defaults = f.app->defaults();
        QVERIFY(!defaults.contains(QStringLiteral("WsjtxPort")));

        quint16 port = 0;
        {
            QUdpSocket probe;
            QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
            port = probe.localPort();
        }
        ui.type(ui.find("wsjtxPort"), QString::number(port));
        QCOMPARE(defaults.integer(QStringLiteral("WsjtxPort")), qint64(port));
        QCOMPARE(ui.textOf("wsjtxPortError"), QStringLiteral("<not shown>"));

        QCOMPARE(ui.textOf("wsjtxAddress"), QStringLiteral("127.0.0.1"));
        ui.type(ui.find("wsjtxAddress"), QStringLiteral("../../etc"));
        QCOMPARE(
            ui.textOf("wsjtxPortError"),
            QStringLiteral("../../etc is no IP address (e.g. 127.0.0.1, 0.0.0.0 or 224.0.0.1)"));
        QVERIFY(!defaults.contains(QStringLiteral("WsjtxAddress")));
        // Any interface: a datagram to the loopback address still arrives.
        ui.type(ui.find("wsjtxAddress"), QStringLiteral("0.0.0.0"));
        QCOMPARE(defaults.string(QStringLiteral("WsjtxAddress")), QStringLiteral("0.0.0.0"));

        ui.click(ui.find("wsjtxSwitch"));
        QVERIFY(defaults.boolean(QStringLiteral("WsjtxListen")));
        QTRY_COMPARE(ui.textOf("wsjtxStatus"),
                     QStringLiteral("Listening on UDP port %1").arg(port));

        QUdpSocket wsjtx;
        wsjtx.writeDatagram(loggedAdif(), QHostAddress::LocalHost, port);
        QTRY_COMPARE(ui.shell->wsjtx()->received().size(), 1);
        QCOMPARE(f.app->log().getAllQSOsWith(QStringLiteral("K1ABC")).size(), 1);
        QTRY_COMPARE(ui.shell->logList()->count(), 1); // the log list shows it at once

        ui.click(ui.find("wsjtxSwitch"));
        QVERIFY(!ui.shell->wsjtx()->listener().isListening());
        QTRY_COMPARE(ui.textOf("wsjtxStatus"), QStringLiteral("Off"));
    }
};

QTEST_MAIN(TestWsjtxPage)
#include "tst_wsjtxpage.moc"
