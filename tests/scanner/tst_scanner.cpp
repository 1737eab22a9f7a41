// The QSL card scanner end to end without a camera: pictures made with ZXing's writer go through
// the frame path to a loopback receiver; the relay's port rule, repeat hold-back and failures;
// the receiver finding the card's QSO in a real logbook and marking it; the CLI on a PNG.

#include "../cli/CliRun.h"
#include "AppFixture.h"
#include "QrImages.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "scanner/CardMatcher.h"
#include "scanner/ScanReceiver.h"
#include "scanner/ScanRelay.h"
#include "scanner/ScanSettings.h"
#include "scanner/ScannerScreen.h"

#include <QAbstractItemModelTester>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QVideoSink>
#include <QtTest>

using scanner::CardMatch;
using Outcome = scanner::ScanRelay::Outcome;

namespace {

const QString kCard = QStringLiteral(
    "From: DL1ABC\nTo: G4XYZ\nDate: 2026-12-06\nTime: 14:32 UTC\nBand: 20m\nMode: SSB");

QsoClass qso(const QString &call, const QString &when, const QString &band, double kHz,
             const QString &mode, const QString &qsl = QStringLiteral("W"))
{
    QsoClass q;
    q.callsign = call;
    q.dateTime = QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    q.dateTime.setTimeZone(QTimeZone::utc());
    q.band = band;
    q.qrg = kHz;
    q.mode = mode;
    q.qsl = qsl;
    q.rsttx = q.rstrx = QStringLiteral("59");
    return q;
}

} // namespace

class TestScanner : public QObject, AppFixture {
    Q_OBJECT

    std::unique_ptr<QUdpSocket> m_desktop; // the receiving logbook, on loopback

    [[nodiscard]] UserDefaults &defaults() { return m_app->defaults(); }

    /** Points the scanner at the loopback receiver. */
    void aimAtDesktop()
    {
        defaults().setValue(QString::fromLatin1(scanner::kHostKey), QStringLiteral("127.0.0.1"));
        defaults().setValue(QString::fromLatin1(scanner::kPortKey), m_desktop->localPort());
    }

    /** The datagrams that reached the receiver within a moment. */
    QList<QByteArray> arrived(int expected)
    {
        QList<QByteArray> datagrams;
        (void)QTest::qWaitFor(
            [&] {
                while (m_desktop->hasPendingDatagrams())
                    datagrams << m_desktop->receiveDatagram().data();
                return datagrams.size() >= expected;
            },
            expected > 0 ? 3000 : 200);
        while (m_desktop->hasPendingDatagrams())
            datagrams << m_desktop->receiveDatagram().data();
        return datagrams;
    }

    void advance(int seconds) { m_app->clock().setFixed(m_app->clock().now().addSecs(seconds)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        startApp(QDateTime(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc()));
        m_desktop = std::make_unique<QUdpSocket>();
        QVERIFY(m_desktop->bind(QHostAddress::LocalHost, 0));
    }

    void cleanup()
    {
        m_desktop.reset();
        stopApp();
    }

    void framePathReadsShowsAndSends_data()
    {
        QTest::addColumn<QImage>("frame");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("scanAuto"); // reads again a second after a code was read
        const QString noTo = QStringLiteral("From: DL1ABC\nDate: 2026-12-06");
        const QString accents = QString::fromUtf8("From: OE1ÄÖ2\nTo: G4XYZ\nName: Jürgen ☺");
        QTest::newRow("card, colour frame")
            << qrimages::qrCode(kCard) << true << kCard << true << true;
        QTest::newRow("card small on a desk")
            << qrimages::onDesk(qrimages::qrCode(kCard, QImage::Format_RGB32, 200)) << true << kCard
            << true << false;
        QTest::newRow("UTF-8 text sent unchanged")
            << qrimages::qrCode(accents, QImage::Format_ARGB32) << true << accents << true << false;
        QTest::newRow("no To: shown, not sent")
            << qrimages::qrCode(noTo) << true << noTo << false << true;
        QTest::newRow("picture without a code")
            << qrimages::noCode() << false << QString() << false << true;
        QTest::newRow("empty frame") << QImage() << false << QString() << false << false;
    }

    void framePathReadsShowsAndSends()
    {
        QFETCH(QImage, frame);
        QFETCH(bool, found);
        QFETCH(QString, shown);
        QFETCH(bool, sent);
        QFETCH(bool, scanAuto);
        aimAtDesktop();
        defaults().setValue(QString::fromLatin1(scanner::kAutoKey), scanAuto);
        scanner::ScannerScreen screen(defaults(), m_app->clock());
        QSignalSpy textShown(&screen, &scanner::ScannerScreen::textChanged);
        QCOMPARE(screen.scanImage(frame), found);
        QCOMPARE(screen.text(), shown);
        QCOMPARE(textShown.size(), found ? 1 : 0);
        QCOMPARE(screen.restartPending(), found && scanAuto);
        screen.stop(); // pressing Stop also cancels the coming restart
        QVERIFY(!screen.restartPending());
        const QList<QByteArray> datagrams = arrived(sent ? 1 : 0);
        QCOMPARE(datagrams, sent ? QList<QByteArray>{shown.toUtf8()} : QList<QByteArray>());
        if (found && !sent)
            QCOMPARE(screen.status(),
                     QStringLiteral("Not sent: no \"From:\" and \"To:\" in the text"));
    }

    void asksToLeaveTheOpenPageInTheBackground_data()
    {
        QTest::addColumn<bool>("pageOpen");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("page open") << true << true;
        QTest::newRow("page closed") << false << false;
    }

    void asksToLeaveTheOpenPageInTheBackground()
    {
        QFETCH(bool, pageOpen);
        QFETCH(bool, leaves);
        scanner::ScannerScreen screen(defaults(), m_app->clock());
        QVideoSink preview;
        if (pageOpen)
            screen.setVideoSink(&preview);
        QSignalSpy left(&screen, &scanner::ScannerScreen::leaveRequested);
        screen.wentToBackground();
        QCOMPARE(left.size(), leaves ? 1 : 0);
        QVERIFY(!screen.reading());
    }

    void portFloorAndCeiling_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("used"); // -1: refused
        QTest::newRow("none") << QVariant() << 7700 << 7700;
        QTest::newRow("511") << QVariant(511) << 7700 << 7700;
        QTest::newRow("not a number") << QVariant("abc") << 7700 << 7700;
        QTest::newRow("512 is the floor") << QVariant(512) << 512 << 512;
        QTest::newRow("65535") << QVariant(65535) << 65535 << 65535;
        QTest::newRow("65536 above the ceiling") << QVariant(65536) << 65536 << -1;
    }

    void portFloorAndCeiling()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, shown);
        QFETCH(int, used);
        if (stored.isValid())
            defaults().setValue(QString::fromLatin1(scanner::kPortKey), stored);
        const std::optional<quint16> port = scanner::configuredPort(defaults());
        QCOMPARE(port ? int(*port) : -1, used);
        QCOMPARE(scanner::shownPort(defaults()), qint64(shown));

        defaults().setValue(QString::fromLatin1(scanner::kHostKey), QStringLiteral("127.0.0.1"));
        scanner::ScanRelay relay(defaults(), m_app->clock());
        if (used < 0) {
            QCOMPARE(relay.send(kCard), Outcome::BadPort);
            QVERIFY(relay.failed());
            QVERIFY(relay.status().contains(QStringLiteral("up to 65535")));
        }

        // Typed on the page: a number up to the ceiling is stored as typed, anything else is
        // refused with the rule and changes nothing.
        scanner::ScannerScreen screen(defaults(), m_app->clock());
        const bool typable = stored.typeId() == QMetaType::Int && used >= 0;
        const QVariant before = defaults().value(QString::fromLatin1(scanner::kPortKey));
        QCOMPARE(screen.setPort(stored.toString()).isEmpty(), typable);
        QCOMPARE(defaults().value(QString::fromLatin1(scanner::kPortKey)).toString(),
                 typable ? stored.toString() : before.toString());
        QCOMPARE(screen.port(), shown);
    }

    void repeatsHeldBackOnlyWithScanAuto_data()
    {
        QTest::addColumn<bool>("scanAuto");
        QTest::addColumn<QList<int>>("secondsBetween"); // before each send after the first
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<Outcome>>("outcomes");
        const QString other = QStringLiteral("From: K1ABC\nTo: G4XYZ");
        QTest::newRow("same card within 5 s held back")
            << true << QList<int>{1, 3} << QStringList{kCard, kCard, kCard}
            << QList<Outcome>{Outcome::Queued, Outcome::Repeated, Outcome::Repeated};
        QTest::newRow("held back while it stays in view, sent once it was gone 5 s")
            << true << QList<int>{4, 4, 5} << QStringList{kCard, kCard, kCard, kCard}
            << QList<Outcome>{Outcome::Queued, Outcome::Repeated, Outcome::Repeated,
                              Outcome::Queued};
        QTest::newRow("another card at once") << true << QList<int>{1} << QStringList{kCard, other}
                                              << QList<Outcome>{Outcome::Queued, Outcome::Queued};
        QTest::newRow("without ScanAuto every scan is sent")
            << false << QList<int>{1} << QStringList{kCard, kCard}
            << QList<Outcome>{Outcome::Queued, Outcome::Queued};
    }

    void repeatsHeldBackOnlyWithScanAuto()
    {
        QFETCH(bool, scanAuto);
        QFETCH(QList<int>, secondsBetween);
        QFETCH(QStringList, texts);
        QFETCH(QList<Outcome>, outcomes);
        aimAtDesktop();
        defaults().setValue(QString::fromLatin1(scanner::kAutoKey), scanAuto);
        scanner::ScanRelay relay(defaults(), m_app->clock());
        QList<Outcome> seen;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i > 0)
                advance(secondsBetween.at(i - 1));
            seen << relay.send(texts.at(i));
        }
        QCOMPARE(seen, outcomes);
        QCOMPARE(arrived(int(outcomes.count(Outcome::Queued))).size(),
                 outcomes.count(Outcome::Queued));
    }

    void aFailedSendIsShown()
    {
        aimAtDesktop();
        scanner::ScanRelay relay(defaults(), m_app->clock());
        QSignalSpy failed(&relay, &scanner::ScanRelay::sendFailed);
        // Larger than any UDP datagram: the system refuses it.
        const QString huge = kCard + QStringLiteral("\nNote: ") + QString(70000, QLatin1Char('x'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Socket error: .+"));
        QCOMPARE(relay.send(huge), Outcome::Queued);
        QVERIFY(failed.wait(3000));
        QVERIFY(relay.failed());
        QVERIFY2(relay.status().startsWith(QStringLiteral("Socket error: ")),
                 qPrintable(relay.status()));
        QCOMPARE(failed.constFirst().constFirst().toString(), relay.status());
        // Nothing was delivered, so the next try is not held back as a repeat.
        defaults().setValue(QString::fromLatin1(scanner::kAutoKey), true);
        QCOMPARE(relay.send(kCard), Outcome::Queued);
        QCOMPARE(arrived(1).size(), 1);
        QVERIFY(!relay.failed());
    }

    void receiverFindsTheCardsQso_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("found"); // start times of the fitting QSOs
        const auto card = [](const QString &call, const QString &rest) {
            return QStringLiteral("From: %1\nTo: G4XYZ\n%2").arg(call, rest);
        };
        QTest::newRow("exact QSO, USB on the card, SSB in the log")
            << card("DL1ABC", "Date: 2026-12-06\nTime: 14:32\nBand: 20m\nMode: USB")
            << int(CardMatch::OneQso) << QStringList{"2026-12-06 14:30"};
        QTest::newRow("frequency instead of band")
            << card("DL1ABC", "Date: 06.12.2026\nTime: 1432\nFreq: 14.250\nMode: SSB")
            << int(CardMatch::OneQso) << QStringList{"2026-12-06 14:30"};
        QTest::newRow("date only: the day's QSO in that mode class")
            << card("DL1ABC", "Date: 20261206\nMode: FT8") << int(CardMatch::OneQso)
            << QStringList{"2026-12-06 18:00"};
        QTest::newRow("other band") << card("DL1ABC", "Date: 2026-12-06\nTime: 14:32\nBand: 40m")
                                    << int(CardMatch::NoQso) << QStringList();
        QTest::newRow("more than 30 minutes off")
            << card("DL1ABC", "Date: 2026-12-06\nTime: 15:01\nBand: 20m") << int(CardMatch::NoQso)
            << QStringList();
        QTest::newRow("two QSOs within the window")
            << card("K1ABC", "Date: 2026-12-05\nTime: 10:10\nBand: 40m\nMode: CW")
            << int(CardMatch::SeveralQsos) << QStringList{"2026-12-05 10:00", "2026-12-05 10:20"};
        QTest::newRow("two QSOs, one in the stated minute")
            << card("K1ABC", "Date: 2026-12-05\nTime: 10:20\nBand: 40m\nMode: CW")
            << int(CardMatch::OneQso) << QStringList{"2026-12-05 10:20"};
        QTest::newRow("no date") << card("DL1ABC", "Time: 14:32") << int(CardMatch::CannotMatch)
                                 << QStringList();
        QTest::newRow("not a card") << QStringLiteral("Hello from the hamfest")
                                    << int(CardMatch::NotACard) << QStringList();
    }

    void receiverFindsTheCardsQso()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QStringList, found);
        LogModel &log = m_app->log();
        for (QsoClass q : {qso("DL1ABC", "2026-12-06 14:30:00", "20m", 14250, "SSB", "S"),
                           qso("DL1ABC", "2026-12-06 18:00:00", "40m", 7074, "FT8"),
                           qso("K1ABC", "2026-12-05 10:00:00", "40m", 7010, "CW"),
                           qso("K1ABC", "2026-12-05 10:20:00", "40m", 7012, "CW")})
            QVERIFY(log.saveNewQSOtoLog(q));
        scanner::ScanReceiver receiver(defaults(), m_app->clock(), log, false);
        QAbstractItemModelTester tester(receiver.cards());
        QSignalSpy received(&receiver, &scanner::ScanReceiver::received);
        receiver.receive(text.toUtf8(), QStringLiteral("192.0.2.7"));

        QCOMPARE(received.size(), 1);
        const CardMatch match = received.constFirst().at(1).value<CardMatch>();
        QCOMPARE(int(match.kind), kind);
        QStringList starts;
        for (const QsoClass &q : match.candidates)
            starts << q.sqlDateTime().left(16);
        QCOMPARE(starts, found);
        const QModelIndex row = receiver.cards()->index(0);
        QCOMPARE(row.data(scanner::ReceivedCards::CanMarkRole).toBool(), !found.isEmpty());
        QCOMPARE(row.data(scanner::ReceivedCards::TextRole).toString(), text);
        QVERIFY(!row.data(scanner::ReceivedCards::MessageRole).toString().isEmpty());
        if (found.isEmpty())
            QVERIFY(!receiver.markReceived(0).isEmpty());
    }

    void markingSetsPaperQslWithTodaysDate_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("candidate");
        QTest::addColumn<QString>("after");
        QTest::newRow("wanted becomes received") << "W" << 0 << "R";
        QTest::newRow("ours sent already: both") << "S" << 0 << "X";
        QTest::newRow("the second of two chosen") << "" << 1 << "R";
    }

    void markingSetsPaperQslWithTodaysDate()
    {
        QFETCH(QString, before);
        QFETCH(int, candidate);
        QFETCH(QString, after);
        LogModel &log = m_app->log();
        QsoClass first = qso("K1ABC", "2026-12-05 10:00:00", "40m", 7010, "CW", before);
        QsoClass second = qso("K1ABC", "2026-12-05 10:20:00", "40m", 7012, "CW", before);
        for (QsoClass *q : {&first, &second}) {
            q->adif = 291;
            q->dxcc = QStringLiteral("K");
        }
        QVERIFY(log.saveNewQSOtoLog(first));
        QVERIFY(log.saveNewQSOtoLog(second));
        log.updateDxInfoString(first);
        const QString statusBefore = log.getDxInfoString(291);
        scanner::ScanReceiver receiver(defaults(), m_app->clock(), log, false);
        QSignalSpy marked(&receiver, &scanner::ScanReceiver::qsoMarked);
        const QString time = candidate == 1 ? QStringLiteral("10:10") : QStringLiteral("10:00");
        receiver.receive(QStringLiteral("From: K1ABC To: G4XYZ Date: 2026-12-05 Time: %1 "
                                        "Band: 40m Mode: CW")
                             .arg(time)
                             .toUtf8(),
                         QStringLiteral("127.0.0.1"));

        QCOMPARE(receiver.markReceived(0, candidate), QString());
        QCOMPARE(marked.size(), 1);
        const QList<QsoClass> stored = log.getAllQSOsWith(QStringLiteral("K1ABC"));
        QCOMPARE(stored.size(), 2);
        const QsoClass &changed = stored.at(candidate);
        const QsoClass &untouched = stored.at(1 - candidate);
        QCOMPARE(changed.qsl, after);
        QCOMPARE(untouched.qsl, before);
        QVERIFY(untouched.qslInDate.isEmpty());
        // The entity's stored status (DX list, spot colours) reads as a rebuild gives it.
        QCOMPARE(log.getDxInfoString(291), log.makeDxInfoString(291));
        QVERIFY(log.getDxInfoString(291) != statusBefore);
        // Stored as the logbook keeps received dates: the export reads it back as 7 December.
        const QString adif = log.makeAdifQSOfromID(changed);
        QVERIFY2(adif.contains(QStringLiteral("<qslrdate:8>20261207")), qPrintable(adif));
        QVERIFY2(adif.contains(QStringLiteral("<qsl_rcvd:1>Y")), qPrintable(adif));
        const QModelIndex card = receiver.cards()->index(0);
        QVERIFY(
            card.data(scanner::ReceivedCards::OutcomeRole)
                .toString()
                .startsWith(QStringLiteral("QSL marked received (%1) on 2026-12-07").arg(after)));
        QVERIFY(!card.data(scanner::ReceivedCards::CanMarkRole).toBool());
        QCOMPARE(receiver.markReceived(0, candidate), QStringLiteral("Already marked"));
    }

    void aQsoDeletedSinceTheMatchIsNotMarked()
    {
        LogModel &log = m_app->log();
        QsoClass q = qso("DL1ABC", "2026-12-06 14:30:00", "20m", 14250, "SSB");
        QVERIFY(log.saveNewQSOtoLog(q));
        scanner::ScanReceiver receiver(defaults(), m_app->clock(), log, false);
        receiver.receive(kCard.toUtf8(), QStringLiteral("127.0.0.1"));
        QVERIFY(log.deleteQSO(log.getAllQSOsWith(QStringLiteral("DL1ABC")).constFirst()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^QSL not marked for .+"));
        const QString error = receiver.markReceived(0);
        QVERIFY(error.startsWith(QStringLiteral("QSL not marked for 2026-12-06 14:30 DL1ABC")));
        QCOMPARE(receiver.cards()->index(0).data(scanner::ReceivedCards::OutcomeRole).toString(),
                 error);
    }

    void receiverListensOnlyWhenChosen()
    {
        defaults().setValue(QString::fromLatin1(scanner::kPortKey), m_desktop->localPort());
        m_desktop.reset(); // the port is the receiver's now
        QVERIFY(!defaults().boolean(QString::fromLatin1(scanner::kReceiveKey)));
        scanner::ScanReceiver receiver(defaults(), m_app->clock(), m_app->log());
        QVERIFY(!receiver.isListening());
        QCOMPARE(receiver.status(), QStringLiteral("Off"));
        receiver.setOn(true);
        QVERIFY(receiver.isListening());
        QUdpSocket phone;
        phone.writeDatagram(kCard.toUtf8(), QHostAddress::LocalHost, receiver.port());
        QTRY_COMPARE(receiver.cards()->count(), 1);
        receiver.setOn(false);
        QVERIFY(!receiver.isListening());
    }

    void cliReadsAndSendsTheCodeOfAnImage_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("send");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // standard output, or the start of standard error
        QTest::newRow("PNG printed")
            << qrimages::qrCode(kCard) << "card.png" << false << 0 << kCard;
        QTest::newRow("PNG sent") << qrimages::qrCode(kCard) << "card.png" << true << 0 << kCard;
        QTest::newRow("no QR code")
            << qrimages::noCode() << "photo.png" << false << 2 << "No QR code found in ";
        QTest::newRow("no To: not sent")
            << qrimages::qrCode(QStringLiteral("From: DL1ABC")) << "half.png" << true << 2
            << "Not sent: no \"From:\" and \"To:\" in the text";
    }

    void cliReadsAndSendsTheCodeOfAnImage()
    {
        QFETCH(QImage, image);
        QFETCH(QString, file);
        QFETCH(bool, send);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const QString path = m_dir->filePath(file);
        QVERIFY(image.save(path));
        QStringList arguments{QStringLiteral("qsl"), QStringLiteral("scan-image"), path};
        if (send)
            arguments << QStringLiteral("--send")
                      << QStringLiteral("127.0.0.1:%1").arg(m_desktop->localPort());
        const CliRun run = CliRun::in(m_dir->path(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0)
            QCOMPARE(run.out, output);
        else
            QVERIFY2(run.err.startsWith(output), qPrintable(run.err));
        QCOMPARE(arrived(send && exitCode == 0 ? 1 : 0).size(), send && exitCode == 0 ? 1 : 0);
    }

    void cliPrintsReceivedCardsAndTheirQsos()
    {
        QsoClass worked = qso("DL1ABC", "2026-12-06 14:30:00", "20m", 14250, "SSB");
        QVERIFY(m_app->log().saveNewQSOtoLog(worked));
        const quint16 port = m_desktop->localPort();
        m_desktop.reset();
        QProcess cli;
        cli.start(QStringLiteral(BRINDLEWICK_CLI),
                  {QStringLiteral("--data-dir"), m_dir->path(), QStringLiteral("qsl"),
                   QStringLiteral("receive"), QStringLiteral("--port"), QString::number(port),
                   QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--seconds"),
                   QStringLiteral("30")});
        QByteArray err;
        QVERIFY(QTest::qWaitFor(
            [&] {
                cli.waitForReadyRead(50);
                err += cli.readAllStandardError();
                return err.contains("Listening for QSL cards");
            },
            20000));
        QUdpSocket phone;
        phone.writeDatagram(kCard.toUtf8(), QHostAddress::LocalHost, port);
        phone.writeDatagram("Hello", QHostAddress::LocalHost, port);
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 0);
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        QCOMPARE(out,
                 kCard + QStringLiteral("\n  -> QSO found: 2026-12-06 14:30 DL1ABC 20m SSB, QSL W\n"
                                        "Hello\n  -> No \"From:\" and \"To:\": not a QSL "
                                        "card\n"));
    }
};

QTEST_MAIN(TestScanner)
#include "tst_scanner.moc"
