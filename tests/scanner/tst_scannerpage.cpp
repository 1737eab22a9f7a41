// The QSL card scanner page as a user drives it on both screen sets, on a machine without a
// camera: the "No camera" state, the relay's settings, and on the receiving side a card sent over
// loopback listed with its QSO and marked as received with one click. With the German
// translation the page speaks German while the CLI's texts and the diagnostics stay English.

#include "../shell/ShellFixture.h"
#include "../ui/QmlWindow.h"
#include "QrImages.h"
#include "model/LogModel.h"
#include "scanner/ScanReceiver.h"
#include "scanner/ScanRelay.h"
#include "scanner/ScanSettings.h"
#include "scanner/ScannerScreen.h"
#include "shell/LanguageSettings.h"

#include <QScopeGuard>
#include <QTranslator>
#include <QUdpSocket>

class TestScannerPage : public QObject {
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

    static quint16 freePort()
    {
        QUdpSocket probe;
        return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : 0;
    }

    /** DL1ABC on 20m SSB, 2025-06-14 18:05, paper QSL "W". */
    static bool saveQso(LogModel &log)
    {
        QsoClass qso;
        qso.callsign = QStringLiteral("DL1ABC");
        qso.dateTime = QDateTime(QDate(2025, 6, 14), QTime(18, 5), QTimeZone::utc());
        qso.band = QStringLiteral("20m");
        qso.qrg = 14205;
        qso.mode = QStringLiteral("SSB");
        qso.qsl = QStringLiteral("W");
        return bool(log.saveNewQSOtoLog(qso));
    }

    void scanAndReceiveOnBothLayouts_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
    }

    void scanAndReceiveOnBothLayouts()
    {
        QFETCH(bool, phone);
        f.setUp();
        QVERIFY(saveQso(f.app->log()));
        QVERIFY(ui.open(*f.app, phone));
        QVERIFY(ui.shell->showScreen(screens::Screen::Scanner));

        // No camera on this machine: said so, and Start cannot be pressed.
        QCOMPARE(ui.textOf("scannerNoCamera"), QStringLiteral("No camera"));
        QCOMPARE(ui.textOf("scannerStart"), QStringLiteral("Start"));
        QVERIFY(!ui.find("scannerStart")->isEnabled());
        QVERIFY(!ui.find("scannerSwitchCamera"));
        QCOMPARE(ui.textOf("scannerPort"), QStringLiteral("7700"));

        UserDefaults &defaults = f.app->defaults();
        ui.type(ui.find("scannerHost"), QStringLiteral("shack-pc"));
        QCOMPARE(defaults.string(QStringLiteral("ScanHost")), QStringLiteral("shack-pc"));
        ui.type(ui.find("scannerPort"), QStringLiteral("70000"));
        QCOMPARE(ui.textOf("scannerPortError"),
                 QStringLiteral("The port must be a number up to 65535 (below 512 means 7700)."));
        QCOMPARE(defaults.integer(QStringLiteral("ScanPort")), qint64(7700)); // unchanged

        const quint16 port = freePort();
        QVERIFY(port);
        ui.type(ui.find("scannerPort"), QString::number(port));
        QCOMPARE(defaults.integer(QStringLiteral("ScanPort")), qint64(port));
        QCOMPARE(ui.textOf("scannerPortError"), QStringLiteral("<not shown>"));

        if (phone) // the phone shows the receiving side on its own tab
            ui.click(ui.find("receiveTab"));
        QCOMPARE(ui.textOf("receiverStatus"), QStringLiteral("Off"));
        ui.click(ui.find("receiverSwitch"));
        QVERIFY(defaults.boolean(QStringLiteral("ScanReceive")));
        QTRY_COMPARE(ui.textOf("receiverStatus"),
                     QStringLiteral("Listening for QSL cards on UDP port %1").arg(port));

        QUdpSocket scanner;
        scanner.writeDatagram("From: DL1ABC\nTo: G4XYZ\nDate: 14.06.2025\nTime: 1806\n"
                              "Band: 20m\nMode: SSB",
                              QHostAddress::LocalHost, port);
        QTRY_COMPARE(ui.textOf("receivedMessage"),
                     QStringLiteral("QSO found: 2025-06-14 18:05 DL1ABC 20m SSB, QSL W"));
        ui.click(ui.find("markQslReceived"));
        QTRY_VERIFY(ui.textOf("receivedOutcome")
                        .startsWith(QStringLiteral("QSL marked received (R) on 2025-06-15")));
        QCOMPARE(f.app->log().getAllQSOsWith(QStringLiteral("DL1ABC")).constFirst().qsl,
                 QStringLiteral("R"));
        QVERIFY(!ui.find("markQslReceived"));
    }

    void germanOnScreenEnglishForCliAndLog_data() { scanAndReceiveOnBothLayouts_data(); }

    void germanOnScreenEnglishForCliAndLog()
    {
        QFETCH(bool, phone);
        QTranslator translator;
        QVERIFY(LanguageSettings::loadTranslation(translator, QLocale(QStringLiteral("de_DE"))));
        QCoreApplication::installTranslator(&translator);
        const auto english = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        f.setUp();
        QVERIFY(saveQso(f.app->log()));
        QVERIFY(ui.open(*f.app, phone));
        QVERIFY(ui.shell->showScreen(screens::Screen::Scanner));

        QCOMPARE(ui.textOf("scannerNoCamera"), QStringLiteral("Keine Kamera"));
        ui.type(ui.find("scannerPort"), QStringLiteral("70000"));
        QCOMPARE(
            ui.textOf("scannerPortError"),
            QStringLiteral("Der Port muss eine Zahl bis 65535 sein (unter 512 bedeutet 7700)."));
        // The CLI's usage line for the same port.
        QCOMPARE(scanner::portProblem(70000),
                 QStringLiteral("The port must be a number up to 65535 (below 512 means 7700)."));

        // A code that is no card: the status line says why in German; the relay keeps the words
        // `qsl scan-image --send` prints.
        scanner::ScannerScreen &screen = *ui.shell->scanner();
        QVERIFY(screen.scanImage(qrimages::qrCode(QStringLiteral("CQ DX de DL1ABC"))));
        QCOMPARE(ui.textOf("scannerStatus"),
                 QStringLiteral("Nicht gesendet: kein „From:“ und „To:“ im Text"));
        QCOMPARE(screen.relay().status(),
                 QStringLiteral("Not sent: no \"From:\" and \"To:\" in the text"));

        if (phone)
            ui.click(ui.find("receiveTab"));
        QCOMPARE(ui.textOf("receiverStatus"), QStringLiteral("Aus"));
        const quint16 port = freePort();
        QVERIFY(port);
        f.app->defaults().setValue(QStringLiteral("ScanPort"), port);
        ui.click(ui.find("receiverSwitch"));
        QTRY_COMPARE(ui.textOf("receiverStatus"),
                     QStringLiteral("Empfangsbereit für QSL-Karten auf UDP-Port %1").arg(port));

        // A card with a field that cannot be read: found, the remark in German, and marking it
        // is reported in German while the log keeps the English line.
        QUdpSocket phoneSide;
        phoneSide.writeDatagram("From: DL1ABC\nTo: G4XYZ\nDate: 14.06.2025\nTime: 1806\n"
                                "Band: 20m\nMode: SSB\nQRG: fast",
                                QHostAddress::LocalHost, port);
        QTRY_COMPARE(ui.textOf("receivedMessage"),
                     QStringLiteral("QSO gefunden: 2025-06-14 18:05 DL1ABC 20m SSB, QSL W"));
        QCOMPARE(ui.textOf("receivedNote"), QStringLiteral("Frequency „fast“ ist nicht lesbar"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^QSL marked received \\(R\\) on 2025-06-15: "));
        ui.click(ui.find("markQslReceived"));
        QTRY_VERIFY(
            ui.textOf("receivedOutcome")
                .startsWith(QStringLiteral("QSL als empfangen markiert (R) am 2025-06-15")));

        // A text that is no card: the list says why in German, the log line in English.
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^QSL card text from .+: No \"From:\" and "
                                                "\"To:\": not a QSL card$"));
        phoneSide.writeDatagram("CQ DX de DL1ABC", QHostAddress::LocalHost, port);
        scanner::ReceivedCards &cards = *ui.shell->qslReceiver()->cards();
        QTRY_COMPARE(cards.count(), 2);
        QCOMPARE(cards.index(0).data(scanner::ReceivedCards::MessageRole).toString(),
                 QStringLiteral("Kein „From:“ und „To:“: keine QSL-Karte"));
    }
};

QTEST_MAIN(TestScannerPage)
#include "tst_scannerpage.moc"
