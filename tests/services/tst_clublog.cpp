// The Club Log upload: the form it sends, what each answer does to the logbook and the screen,
// real-time uploads and the command line's dry run.

#include "../cli/CliRun.h"
#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "adif/ClublogRecord.h"
#include "services/ClublogFile.h"
#include "services/ClublogMarks.h"
#include "services/ClublogScreen.h"
#include "services/ClublogUpload.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTranslator>

#include <functional>

namespace {

const QByteArray kPath = "/putlogs.php";
const QByteArray kSep = "\r\n--0xKhTmLbOuNdArY\r\n";

QByteArray field(const QByteArray &name, const QByteArray &value)
{
    return "Content-Disposition: form-data; name='" + name + "'\r\n\r\n" + value + kSep;
}

// The small log: a QSO uploaded before, a USB QSO confirmed by LoTW, one with no entity and a
// paper QSL, the last two waiting.
const QByteArray kCw = "<call:5>DL1AA <qso_date:8>20250615 <time_on:6>120000 <band:3>20m "
                       "<freq:9>14.025000  <mode:2>CW <dxcc:3>230 <qsl_rcvd:1>N "
                       "<lotw_qsl_rcvd:1>N <eor>\r\n";
const QByteArray kUsb = "<call:5>K1ABC <qso_date:8>20250615 <time_on:6>121000 <band:3>20m "
                        "<freq:9>14.250000  <mode:3>SSB  <submode:3>USB <dxcc:3>291 "
                        "<qsl_rcvd:1>N <lotw_qsl_rcvd:1>Y <eor>\r\n";
const QByteArray kUnknown = "<call:5>4U1UN <qso_date:8>20250615 <time_on:6>122000 <band:3>40m "
                            "<freq:8>7.010000  <mode:2>CW <dxcc:1>0 <qsl_rcvd:1>Y "
                            "<lotw_qsl_rcvd:1>N <eor>\r\n";

/** Club Log's texts in German, so the test needs no compiled translation file. */
class GermanClublog : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "ClublogTexts") != 0)
            return {};
        if (qstrcmp(sourceText, "Error: %1") == 0)
            return QStringLiteral("Fehler: %1");
        if (qstrcmp(sourceText, "Finished: %1") == 0)
            return QStringLiteral("Fertig: %1");
        return {};
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

} // namespace

class TestClublog : public QObject {
    Q_OBJECT

public:
    // When the upload took the file's stamp, before it read the QSOs.
    enum class Stamp { None, BeforeTheEdit, WalFile, AfterTheEdit };
    Q_ENUM(Stamp)

private:
    QslFixture f;
    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<QNetworkAccessManager> network;

    static QsoClass qso(const QString &call, const QString &when, double kHz, const QString &band,
                        const QString &mode, int adif, const QString &clublog)
    {
        QsoClass q = QslFixture::qso(call, when, kHz, mode);
        q.band = band;
        q.adif = adif;
        q.clublog = clublog;
        return q;
    }

    void storeSmallLog()
    {
        QsoClass usb = qso("K1ABC", "2025-06-15 12:10:00", 14250, "20m", "USB", 291, "W");
        usb.lotwqsl = "X";
        QsoClass unknown = qso("4U1UN", "2025-06-15 12:20:00", 7010, "40m", "CW", 0, "W");
        unknown.qsl = "R";
        f.store({qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "X"), usb, unknown});
    }

    static ClublogUpload::Account account()
    {
        return {"op@example.org", QString::fromUtf8("p&ss wörd+1"), "DL1ABC/P"};
    }

    /** Runs an upload to its end; the values it gave on the way. */
    QList<int> run(ClublogUpload &upload, bool full, const std::function<void()> &whileSending = {})
    {
        QList<int> values;
        connect(&upload, &ClublogUpload::clublogCurrentValue, &upload,
                [&values](int v) { values << v; });
        connect(&upload, &ClublogUpload::clublogCurrentStatus, &upload,
                [&whileSending](const QString &line) {
                    if (line == "Uploading ADIF file ..." && whileSending)
                        whileSending();
                });
        QSignalSpy ended(&upload, &ClublogUpload::finished);
        full ? upload.performFullLogUpload(f.app->log(), account())
             : upload.performNewQsosUpload(f.app->log(), account());
        if (!ended.wait(20000))
            values << 999;
        upload.disconnect(&upload);
        return values;
    }

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init()
    {
        f.setUp();
        server = std::make_unique<LoopbackHttpServer>();
        server->answer(kPath, {200, "OK\n", false});
        network = std::make_unique<QNetworkAccessManager>();
        f.app->defaults().setValue(ClublogUpload::kHostKey, server->url());
    }
    void cleanup()
    {
        network.reset();
        server.reset();
        f.tearDown();
    }

    void formBodyOfASmallLog_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QByteArray>("clear");
        QTest::addColumn<QByteArray>("records");
        QTest::newRow("full: every QSO newest first, with clear")
            << true << field("clear", "1") << kUnknown + kUsb + kCw;
        QTest::newRow("new: the waiting QSOs oldest first, no clear")
            << false << QByteArray() << kUsb + kUnknown;
    }

    void formBodyOfASmallLog()
    {
        QFETCH(bool, full);
        QFETCH(QByteArray, clear);
        QFETCH(QByteArray, records);
        storeSmallLog();
        HttpClient http(*network, f.app->defaults());
        ClublogUpload upload(http, f.app->defaults(), f.app->clock());
        QSignalSpy ended(&upload, &ClublogUpload::finished);
        QCOMPARE(run(upload, full).last(), ClublogUpload::kEnded);
        QCOMPARE(server->requests().size(), 1);
        const LoopbackHttpServer::Request &sent = server->requests().first();
        QCOMPARE(sent.method, QByteArray("POST"));
        QCOMPARE(sent.path(), kPath);
        QCOMPARE(sent.header("Content-Type"),
                 QByteArray("multipart/form-data; charset=utf-8; boundary=0xKhTmLbOuNdArY"));
        const QByteArray head =
            adif::makeAdifHead(f.app->clock().now(), ClublogUpload::programVersion()).toUtf8();
        const QByteArray expected =
            "--0xKhTmLbOuNdArY\r\n" + field("email", "op@example.org") +
            field("password", "p&ss%20w%C3%B6rd+1") + field("callsign", "DL1ABC/P") + clear +
            field("api", "5b0c9e7a2d41f6083ce1a9b7d2f40e6c81a3b5d9") +
            "Content-Disposition: form-data; name='file'; filename='Morvalen.adi'\r\n"
            "Content-Type: application/file\r\n\r\n" +
            head + records + "\r\n--0xKhTmLbOuNdArY--\r\n";
        QCOMPARE(sent.body, expected);
        QVERIFY(head.startsWith("ADIF export of Brindlewick") &&
                head.contains("<ADIF_VER:5>3.0.6\r\n<CREATED_TIMESTAMP:15>20250615 120000\r\n"
                              "<PROGRAMID:11>Brindlewick\r\n"));
        QCOMPARE(ended.first().first().value<ClublogUpload::Outcome>().bytes, expected.size());
    }

    void answers_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("status"); // 0: nobody listens
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("letters"); // "clublog" of the three QSOs afterwards
        QTest::addColumn<QString>("waiting");
        const QStringList before{"X", "W", "W"};
        QTest::newRow("200 new: the sent QSOs are marked")
            << false << 200 << "Finished: OK" << QStringList{"X", "X", "X"}
            << "0 QSO(s) not uploaded yet";
        QTest::newRow("200 full") << true << 200 << "Finished: OK" << QStringList{"X", "X", "X"}
                                  << "0 QSO(s) not uploaded yet";
        QTest::newRow("403: Club Log's reason, nothing marked")
            << false << 403 << "Error: Invalid password" << before << "2 QSO(s) not uploaded yet";
        QTest::newRow("connection refused")
            << true << 0 << "Upload error: Could not reach 127.0.0.1 (connection refused)" << before
            << "2 QSO(s) not uploaded yet";
    }

    void answers()
    {
        QFETCH(bool, full);
        QFETCH(int, status);
        QFETCH(QString, line);
        QFETCH(QStringList, letters);
        QFETCH(QString, waiting);
        storeSmallLog();
        if (status == 403)
            server->answer(kPath, {403, "Invalid password", false});
        if (status == 0) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            f.app->defaults().setValue(
                ClublogUpload::kHostKey,
                QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
        }
        if (status == 0)
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("Error while fetching: .*"));
        ClublogScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                             *network);
        screen.setShown(true);
        QCOMPARE(screen.waitingText(), QStringLiteral("2 QSO(s) not uploaded yet"));
        screen.setUser(account().user);
        screen.setPassword(account().password);
        screen.setCallsign(account().callsign);
        QList<int> values;
        connect(&screen.upload(), &ClublogUpload::clublogCurrentValue, this,
                [&values](int v) { values << v; });
        f.announced.clear();
        full ? screen.uploadAll() : screen.uploadNew();
        QVERIFY(!screen.buttonsEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(screen.buttonsEnabled(), 20000);
        QCOMPARE(screen.status(), line);
        QCOMPARE(screen.statusIsError(), status != 200);
        QCOMPARE(screen.value(), ClublogUpload::kEnded);
        QCOMPARE(values.first(), ClublogUpload::kBusy);
        QCOMPARE(values.count(ClublogUpload::kEnded), 1);
        if (status == 200)
            QCOMPARE(*std::max_element(values.begin(), values.end()), 100);
        QCOMPARE(f.column("clublog"), letters);
        QCOMPARE(screen.waitingText(), waiting);
        QCOMPARE(f.announced.contains("qsosChanged"), status == 200);
    }

    void nothingToSend_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("line");
        QTest::newRow("full, empty logbook") << true << "No QSOs found!";
        QTest::newRow("new, all uploaded") << false << "No new QSOs found!";
    }

    void nothingToSend()
    {
        QFETCH(bool, full);
        QFETCH(QString, line);
        if (!full)
            f.store({qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "X")});
        ClublogScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                             *network);
        full ? screen.uploadAll() : screen.uploadNew();
        QTRY_VERIFY_WITH_TIMEOUT(screen.buttonsEnabled(), 20000);
        QCOMPARE(screen.status(), line);
        QVERIFY(server->requests().isEmpty());
    }

    void translatedAnswersKeepTheirMeaning_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("refused") << 403 << "Fehler: Invalid password";
        QTest::newRow("accepted") << 200 << "Fertig: OK";
    }

    void translatedAnswersKeepTheirMeaning()
    {
        // The screen tells an error by the words of the status line: in another language too.
        QFETCH(int, status);
        QFETCH(QString, line);
        GermanClublog german;
        QVERIFY(QCoreApplication::installTranslator(&german));
        storeSmallLog();
        if (status == 403)
            server->answer(kPath, {403, "Invalid password", false});
        ClublogScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                             *network);
        screen.setUser(account().user);
        screen.setPassword(account().password);
        screen.setCallsign(account().callsign);
        screen.uploadNew();
        QTRY_VERIFY_WITH_TIMEOUT(screen.buttonsEnabled(), 20000);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(screen.status(), line);
        QCOMPARE(screen.statusIsError(), status != 200);
    }

    void changesDuringTheUploadStayWaiting_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("change"); // 0 a QSO saved, 1 a sent QSO confirmed by LoTW
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("new: a QSO saved meanwhile was not sent")
            << false << 0 << QStringList{"X", "X", "X", "W"};
        QTest::newRow("new: a sent QSO confirmed meanwhile changed")
            << false << 1 << QStringList{"X", "X", "W"};
        QTest::newRow("full: an uploaded QSO queued again meanwhile")
            << true << 2 << QStringList{"W", "X", "X"};
    }

    void changesDuringTheUploadStayWaiting()
    {
        QFETCH(bool, full);
        QFETCH(int, change);
        QFETCH(QStringList, letters);
        storeSmallLog();
        HttpClient http(*network, f.app->defaults());
        ClublogUpload upload(http, f.app->defaults(), f.app->clock());
        const QList<int> values = run(upload, full, [&] {
            if (change == 0) {
                QsoClass late = qso("JA1XX", "2025-06-15 12:30:00", 21025, "15m", "CW", 339, "");
                QVERIFY(f.app->log().saveNewQSOtoLog(late));
                return;
            }
            QslSession session(f.logbookPath(), formats::DateStyle::Short);
            const std::optional<QsoClass> stored = session.qsoById(change == 1 ? 3 : 1);
            QVERIFY(stored && session.markLotwConfirmed(*stored) && session.commit());
        });
        QCOMPARE(values.last(), ClublogUpload::kEnded);
        QCOMPARE(f.column("clublog"), letters);
    }

    void marksAreAllOrNothing_data()
    {
        QTest::addColumn<int>("refused"); // the id whose mark the logbook refuses, 0 none
        QTest::addColumn<Stamp>("stamp");
        QTest::addColumn<QStringList>("letters");
        QTest::addColumn<int>("marked");
        // QSO 3 was edited after it was sent; QSO 5 was marked already.
        const QStringList sentAsIs{"X", "X", "W", "X", "X", "X"};
        const QStringList none{"W", "W", "W", "W", "X", "W"};
        QTest::newRow("every write taken") << 0 << Stamp::None << sentAsIs << 4;
        QTest::newRow("the edit came after the stamp: each QSO read again")
            << 0 << Stamp::BeforeTheEdit << sentAsIs << 4;
        // A WAL file keeps the edit beside it while its writer is open: the file looks the same.
        QTest::newRow("the edit waits in a WAL: each QSO read again")
            << 0 << Stamp::WalFile << sentAsIs << 4;
        // As if the edit had come before the QSOs were read: nothing is read again.
        QTest::newRow("nothing written after the stamp")
            << 0 << Stamp::AfterTheEdit << QStringList{"X", "X", "X", "X", "X", "X"} << 5;
        QTest::newRow("the first refused") << 1 << Stamp::None << none << 0;
        QTest::newRow("one in the middle refused") << 4 << Stamp::None << none << 0;
        QTest::newRow("the last refused") << 6 << Stamp::None << none << 0;
        QTest::newRow("one refused, nothing read again") << 4 << Stamp::AfterTheEdit << none << 0;
    }

    void marksAreAllOrNothing()
    {
        QFETCH(int, refused);
        QFETCH(Stamp, stamp);
        QFETCH(QStringList, letters);
        QFETCH(int, marked);
        QsoClass satellite = qso("K1ABC", "2025-06-15 12:10:00", 145900, "2m", "FM", 291, "W");
        satellite.satName = "AO-91";
        satellite.satRxband = "70cm";
        satellite.lotwqsl = "X";
        QsoClass invalid = qso("4U1UN", "2025-06-15 12:20:00", 7010, "40m", "CW", 0, "W");
        invalid.qsl = "R";
        invalid.opIsValid = false;
        QsoClass noted = qso("JA1XX", "2025-06-15 12:30:00", 21025, "15m", "USB", 339, "W");
        noted.note = "50% more, 'quoted'";
        noted.locator = "pm95ab";
        f.store({qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "W"), satellite,
                 invalid, noted, qso("G3AA", "2025-06-15 12:40:00", 3550, "80m", "CW", 223, "X"),
                 qso("VK2AB", "2025-06-15 12:50:00", 14070, "20m", "FT8", 150, "W")});
        // What an upload sends: the records of the QSOs as read whole for the file.
        const adif::ModesList modes = f.app->log().modesList();
        const QList<ClublogSent> sent =
            clublogfile::chunkOf(f.app->log().getlastQSOs(4), modes).sent;
        QCOMPARE(sent.size(), 6);
        std::optional<db::FileStamp> readFrom;
        db::Database database;
        QCOMPARE(database.open(f.logbookPath()), 0);
        if (stamp == Stamp::WalFile) {
            db::Statement wal = database.prepare("pragma journal_mode=wal");
            QVERIFY(wal.step() && wal.text(0) == "wal");
        }
        if (stamp == Stamp::BeforeTheEdit || stamp == Stamp::WalFile)
            readFrom = db::FileStamp::of(f.logbookPath());
        QVERIFY(database.exec("update logbook set mode='SSB' where id=3"));
        if (refused != 0)
            QVERIFY(database.exec(
                QStringLiteral("create trigger refuse before update of clublog on logbook "
                               "when new.id=%1 begin select raise(abort, 'refused'); end")
                    .arg(refused)));
        if (stamp == Stamp::AfterTheEdit)
            readFrom = db::FileStamp::of(f.logbookPath());
        const clublogmarks::Marked result = clublogmarks::markInFile(
            f.logbookPath(), formats::DateStyle::Short, modes, sent, readFrom);
        QCOMPARE(result.ok, refused == 0);
        QCOMPARE(result.marked, marked);
        QCOMPARE(f.column("clublog"), letters);
        QCOMPARE(result.change.ids.size(), marked);
        if (refused == 0)
            QCOMPARE(result.change.entities, (QSet<int>{230, 291, 339, 150}));
        else
            QVERIFY(result.error.contains("refused"));
    }

    void qsosQueuedByLotwAreTheNewOnes()
    {
        f.store({qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "X"),
                 qso("DL2BB", "2025-06-15 12:05:00", 14025, "20m", "CW", 230, "X")});
        {
            QslSession session(f.logbookPath(), formats::DateStyle::Short);
            QVERIFY(session.markLotwConfirmed(*session.qsoById(2)) && session.commit());
        }
        HttpClient http(*network, f.app->defaults());
        ClublogUpload upload(http, f.app->defaults(), f.app->clock());
        run(upload, false);
        QCOMPARE(server->requests().size(), 1);
        const QByteArray body = server->requests().first().body;
        QVERIFY(body.contains("<call:5>DL2BB ") && body.contains("<lotw_qsl_rcvd:1>Y "));
        QVERIFY(!body.contains("DL1AA"));
        QCOMPARE(f.column("clublog"), (QStringList{"X", "X"}));
    }

    void realTimeUploadFollowsSavedQsos()
    {
        ClublogScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                             *network);
        screen.setUser(account().user);
        screen.setPassword(account().password);
        screen.setCallsign(account().callsign);
        QsoClass first = qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "");
        QVERIFY(f.app->log().saveNewQSOtoLog(first));
        QTest::qWait(100); // proves that nothing is uploaded
        QVERIFY2(server->requests().isEmpty(), "real-time upload is off");

        screen.setRealTime(true);
        QCOMPARE(f.app->log().readPrefsForEntry("ClublogRealTime"), QStringLiteral("1"));
        QTRY_COMPARE_WITH_TIMEOUT(f.column("clublog"), (QStringList{"X"}), 20000);
        // A QSO saved while an upload runs goes with the next one.
        bool savedDuring = false;
        connect(
            &screen.upload(), &ClublogUpload::clublogCurrentStatus, this, [&](const QString &line) {
                if (line != "Uploading ADIF file ..." || savedDuring)
                    return;
                savedDuring = true;
                QsoClass during = qso("DL3CC", "2025-06-15 12:20:00", 14025, "20m", "CW", 230, "");
                QVERIFY(f.app->log().saveNewQSOtoLog(during));
            });
        QsoClass second = qso("DL2BB", "2025-06-15 12:10:00", 14025, "20m", "CW", 230, "");
        QVERIFY(f.app->log().saveNewQSOtoLog(second));
        QTRY_COMPARE_WITH_TIMEOUT(f.column("clublog"), (QStringList{"X", "X", "X"}), 20000);
        QTRY_VERIFY(screen.buttonsEnabled());
        QCOMPARE(server->requests().size(), 3);
        QVERIFY(server->requests().last().body.contains("DL3CC"));
        QVERIFY(!server->requests().last().body.contains("DL2BB"));
    }

    void aQsoMetTwiceByAPagedReadIsSentOnce()
    {
        // A QSO saved by another program between two page reads moves the next page by one.
        const adif::ModesList modes = f.app->log().modesList();
        QsoClass a = qso("DL1AA", "2025-06-15 12:00:00", 14025, "20m", "CW", 230, "W");
        QsoClass b = qso("K1ABC", "2025-06-15 12:10:00", 14250, "20m", "USB", 291, "W");
        QsoClass c = qso("4U1UN", "2025-06-15 12:20:00", 7010, "40m", "CW", 0, "W");
        a.id = 1;
        b.id = 2;
        c.id = 3;
        QList<clublogfile::Chunk> pages{clublogfile::chunkOf({c, b}, modes),
                                        clublogfile::chunkOf({b, a}, modes)};
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const clublogfile::Written written =
            clublogfile::write(out, {}, QStringLiteral("head\r\n"), [&pages] {
                return pages.isEmpty() ? std::nullopt
                                       : std::optional<clublogfile::Chunk>(pages.takeFirst());
            });
        QCOMPARE(written.qsos, 3);
        QCOMPARE(out.data().count("<call:5>K1ABC "), 1);
        QVERIFY(out.data().contains("head\r\n<call:5>4U1UN") &&
                out.data().contains("<eor>\r\n<call:5>DL1AA") &&
                out.data().endsWith("<eor>\r\n\r\n--0xKhTmLbOuNdArY--\r\n"));
        QCOMPARE(written.bytes, out.data().size());
    }

    void operationNotCountingIsSentAsEntityZero()
    {
        // Read back from the logbook the number is the entity's; the validity must still reach
        // Club Log, which counts such an operation as entity 0.
        QsoClass invalid = qso("K1ABC", "2025-06-15 12:10:00", 14250, "20m", "USB", 291, "W");
        invalid.opIsValid = false;
        f.store({invalid});
        const QsoClass back = f.app->log().getlastQSOs(0).value(0);
        QCOMPARE(back.storedAdif(), -291);
        const QByteArray records = clublogfile::chunkOf({back}, f.app->log().modesList()).records;
        QVERIFY2(records.contains("<dxcc:1>0 "), records.constData());
    }

    void cliDryRunSendsAndMarksNothing()
    {
        storeSmallLog();
        HttpClient http(*network, f.app->defaults());
        ClublogUpload upload(http, f.app->defaults(), f.app->clock());
        QSignalSpy ended(&upload, &ClublogUpload::finished);
        upload.dryRun(ClublogUpload::Kind::FullLog, f.app->log(), {});
        QVERIFY(ended.wait(20000));
        const qint64 bytes = ended.first().first().value<ClublogUpload::Outcome>().bytes;
        f.app.reset(); // the CLI is the only one at the logbook now
        const CliRun dry =
            CliRun::in(f.dir->path(), {"--json", "clublog", "upload", "--all", "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        const QJsonObject result = QJsonDocument::fromJson(dry.out.toUtf8()).object();
        QCOMPARE(result.value("qsos").toInt(), 3);
        QCOMPARE(result.value("bytes").toInteger(), bytes);
        QCOMPARE(result.value("sent").toBool(true), false);
        QVERIFY(dry.err.contains("Preparing ADIF file ..."));
        QVERIFY(server->requests().isEmpty());
        QCOMPARE(f.column("clublog"), (QStringList{"X", "W", "W"}));
        QCOMPARE(
            CliRun::in(f.dir->path(), {"clublog", "upload", "--dry-run", "--dry-run"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestClublog)
#include "tst_clublog.moc"
