// Wavelog/Cloudlog: the JSON reply of /api/qso read from hostile bytes, an upload against a
// loopback instance that answers as Wavelog does (created, duplicate, bad key, an HTML page, a
// cut-off reply), "upload as logged" and the command line's exit codes.

#include "../cli/CliRun.h"
#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "services/AutoUpload.h"
#include "services/RecordUpload.h"
#include "services/UploadMarks.h"
#include "services/WavelogApi.h"
#include "services/WavelogReply.h"
#include "services/WavelogScreen.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>

namespace {

using Verdict = wavelog::Reply::Verdict;

const QByteArray kCreated = R"({"status":"created","type":"adif","string":"","adif_count":1,)"
                            R"("adif_errors":0,"messages":[""]})";
const QByteArray kDuplicate =
    R"({"status":"abort","type":"adif","string":"","adif_count":1,"adif_errors":1,)"
    R"("messages":["","Date/Time: 2025-06-15 12:00:00 Callsign: DL1AA Band: 20m  Duplicate<br>"]})";
const QByteArray kBadKey = R"({"status":"failed","reason":"missing or wrong api key"})";

QString sentOf(const QsoClass &qso)
{
    return qso.extraFields.value(u"app_brindlewick_wavelog_sent");
}

} // namespace

class TestWavelog : public QObject {
    Q_OBJECT

    QslFixture f;
    std::unique_ptr<QNetworkAccessManager> network;
    std::unique_ptr<LoopbackHttpServer> server;

    QStringList marks()
    {
        QStringList all;
        for (qint64 id = 1; id <= 2; ++id)
            all << sentOf(f.app->log().qsoById(id).value_or(QsoClass()));
        return all;
    }

    RecordUpload::Outcome upload()
    {
        HttpClient http(*network, 5000);
        RecordUpload run(http, f.app->clock());
        QSignalSpy ended(&run, &RecordUpload::finished);
        run.start(f.app->log(), wavelog::qsoProtocol(server->url(), "KEY-W", "3"),
                  uploadmarks::waiting(f.app->log(), uploadmarks::Service::Wavelog));
        if (!ended.wait(20000))
            return {};
        return ended.first().first().value<RecordUpload::Outcome>();
    }

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init()
    {
        f.setUp();
        network = std::make_unique<QNetworkAccessManager>();
        f.storeEntries({"DL1AA|2025-06-15 12:00:00", "OH2ABC|2025-06-15 12:05:00|40m|SSB"});
    }
    void cleanup()
    {
        server.reset();
        network.reset();
        f.tearDown();
    }

    void reply_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("reason");
        QTest::newRow("created (Wavelog, 201)") << 201 << kCreated << int(Verdict::Created) << "";
        QTest::newRow("created (Cloudlog, 200, no counts)")
            << 200 << QByteArray(R"({"status":"created","type":"adif","string":"<eor>"})")
            << int(Verdict::Created) << "";
        QTest::newRow("duplicate is an abort whose message says so")
            << 400 << kDuplicate << int(Verdict::Duplicate)
            << "Date/Time: 2025-06-15 12:00:00 Callsign: DL1AA Band: 20m Duplicate";
        QTest::newRow("Cloudlog: created but the record was skipped as a duplicate")
            << 201 << QByteArray(R"({"status":"created","adif_errors":1,"messages":["Duplicate"]})")
            << int(Verdict::Duplicate) << "Duplicate";
        QTest::newRow("another import error") << 400
                                              << QByteArray(R"({"status":"abort","adif_errors":1,)"
                                                            R"("messages":["Band missing"]})")
                                              << int(Verdict::Refused) << "Band missing";
        QTest::newRow("bad key") << 401 << kBadKey << int(Verdict::BadKey)
                                 << "missing or wrong api key";
        QTest::newRow("station profile of another user")
            << 401
            << QByteArray(R"({"status":"failed","reason":"station id does not belong to the )"
                          R"(API key owner."})")
            << int(Verdict::BadKey) << "station id does not belong to the API key owner.";
        QTest::newRow("wrong JSON sent")
            << 200 << QByteArray(R"({"status":"failed","reason":"wrong JSON"})")
            << int(Verdict::Refused) << "wrong JSON";
    }
    void reply()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, verdict);
        QFETCH(QString, reason);
        const wavelog::Reply parsed = wavelog::parseReply(status, body);
        QCOMPARE(int(parsed.verdict), verdict);
        QCOMPARE(parsed.reason, reason);
    }

    void hostileReply_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << 200 << QByteArray();
        QTest::newRow("HTML error page")
            << 500 << QByteArray("<html><body><h1>A PHP Error was encountered</h1></body></html>");
        QTest::newRow("login page instead of the API")
            << 200 << QByteArray("<!DOCTYPE html><html>");
        QTest::newRow("cut-off JSON") << 201 << kCreated.left(20);
        QTest::newRow("JSON array") << 201 << QByteArray(R"(["created"])");
        QTest::newRow("no status") << 201 << QByteArray(R"({"adif_count":1})");
        QTest::newRow("status not a text") << 201 << QByteArray(R"({"status":1})");
        QTest::newRow("junk") << 200 << QByteArray("\xff\xfe\x00{", 4);
    }
    void hostileReply()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QCOMPARE(int(wavelog::parseReply(status, body).verdict), int(Verdict::NotAReply));
    }

    void hugeReason()
    {
        const QByteArray reason(1 << 20, 'y');
        const wavelog::Reply parsed =
            wavelog::parseReply(400, R"({"status":"abort","messages":[")" + reason + R"("]})");
        QCOMPARE(int(parsed.verdict), int(Verdict::Refused));
        QVERIFY(parsed.reason.size() <= wavelog::kMaxReason + 1);
    }

    void uploadMarksWhatTheInstanceTook()
    {
        server = std::make_unique<LoopbackHttpServer>();
        server->respond([](const LoopbackHttpServer::Request &request) {
            const QJsonObject sent = QJsonDocument::fromJson(request.body).object();
            if (sent.value("string").toString().contains("DL1AA"))
                return LoopbackHttpServer::Answer{201, kCreated};
            return LoopbackHttpServer::Answer{400, kDuplicate};
        });
        const RecordUpload::Outcome outcome = upload();
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.accepted, 1);
        QCOMPARE(outcome.duplicates, 1);
        QCOMPARE(marks(), (QStringList{"20250615", "20250615"}));
        const LoopbackHttpServer::Request &first = server->requests().first();
        QCOMPARE(first.method, "POST");
        QCOMPARE(first.path(), "/api/qso");
        QCOMPARE(first.header("Content-Type"), "application/json");
        const QJsonObject body = QJsonDocument::fromJson(first.body).object();
        QCOMPARE(body.value("key").toString(), "KEY-W");
        QCOMPARE(body.value("station_profile_id").toString(), "3");
        QCOMPARE(body.value("type").toString(), "adif");
        QVERIFY(body.value("string").toString().contains("<eor>", Qt::CaseInsensitive));
        QVERIFY(uploadmarks::waiting(f.app->log(), uploadmarks::Service::Wavelog).isEmpty());
    }

    void failureMarksNothing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");
        QTest::newRow("bad key") << 401 << kBadKey
                                 << "Wavelog refused the API key: missing or wrong api key";
        QTest::newRow("HTML page with 200")
            << 200 << QByteArray("<html>Login</html>") << "Wavelog's reply could not be read";
        QTest::newRow("cut-off reply")
            << 201 << kCreated.left(30) << "Wavelog's reply could not be read";
        QTest::newRow("server error page") << 500 << QByteArray("<html>oops</html>") << "";
    }
    void failureMarksNothing()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        server = std::make_unique<LoopbackHttpServer>(status, body);
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^Upload stopped: "));
        const RecordUpload::Outcome outcome = upload();
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.error.isEmpty());
        if (!error.isEmpty())
            QCOMPARE(outcome.error, error);
        QCOMPARE(outcome.marked, 0);
        QCOMPARE(server->requests().size(), 1);
        QCOMPARE(marks(), (QStringList{"", ""}));
    }

    void uploadAsLogged_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("mark");
        QTest::newRow("on: sent and marked") << true << 201 << kCreated << 1 << "20250615";
        QTest::newRow("on, instance refuses the key: left waiting")
            << true << 401 << kBadKey << 1 << "";
        QTest::newRow("off: nothing sent") << false << 201 << kCreated << 0 << "";
    }
    void uploadAsLogged()
    {
        QFETCH(bool, on);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, requests);
        QFETCH(QString, mark);
        server = std::make_unique<LoopbackHttpServer>(status, body);
        UserDefaults &defaults = f.app->defaults();
        defaults.setValue(wavelog::kHostKey, server->url());
        defaults.setValue(wavelog::kStationKey, "3");
        defaults.setValue(wavelog::kUploadAsLoggedKey, on);
        QVERIFY(wavelog::setApiKey(f.app->secrets(), defaults, "KEY-W"));
        AutoUpload autoUpload(f.app->log(), *network, defaults, f.app->secrets(), f.app->clock());
        QSignalSpy uploaded(&autoUpload, &AutoUpload::uploaded);
        if (status != 201)
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^Upload stopped: "));
        QsoClass qso = QslFixture::qso("SM5ABC", "2025-06-15 12:30:00");
        QVERIFY(f.app->log().saveNewQSOtoLog(qso));
        if (on)
            QVERIFY(uploaded.wait(20000));
        else
            QTest::qWait(200);
        QCOMPARE(server->requests().size(), requests);
        QCOMPARE(sentOf(*f.app->log().qsoById(qso.id.value_or(0))), mark);
        // The QSOs logged before stay as they were: only the new one was sent.
        QCOMPARE(marks(), (QStringList{"", ""}));
    }

    void screen()
    {
        server = std::make_unique<LoopbackHttpServer>();
        server->respond([](const LoopbackHttpServer::Request &request) {
            const QJsonObject sent = QJsonDocument::fromJson(request.body).object();
            if (sent.value("string").toString().contains("DL1AA"))
                return LoopbackHttpServer::Answer{201, kCreated};
            return LoopbackHttpServer::Answer{400, kDuplicate};
        });
        WavelogScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                             *network);
        screen.setShown(true);
        QCOMPARE(screen.waitingText(), "2 QSO(s) not uploaded yet");
        QCOMPARE(screen.lastUploadText(), "never");
        // Nothing is tried before the instance is set.
        screen.upload();
        QVERIFY(screen.statusIsError());
        QCOMPARE(screen.status(), "No Wavelog address or station profile id");
        screen.setHost(server->url() + "  ");
        screen.setStationId("3");
        screen.upload();
        QCOMPARE(screen.status(), "No API key for Wavelog");
        screen.setApiKey("KEY-W");
        QSignalSpy changed(&screen, &UploadScreen::waitingChanged);
        screen.upload();
        QVERIFY(screen.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!screen.busy(), 20000);
        QVERIFY(!screen.statusIsError());
        QCOMPARE(screen.countsText(), "1 QSO(s) sent, 1 there already");
        QCOMPARE(screen.lastUploadText(), "2025-06-15 12:00:00");
        QCOMPARE(screen.waitingText(), "0 QSO(s) not uploaded yet");
        QVERIFY(!changed.isEmpty());
        QCOMPARE(server->requests().first().path(), "/api/qso");
        // The next upload finds nothing waiting.
        screen.upload();
        QCOMPARE(screen.status(), "No new QSOs found!");
    }

    void commandLine_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("taken") << 201 << kCreated << 0 << QStringList{"20250615", "20250615"};
        QTest::newRow("bad key: exit 2, nothing marked")
            << 401 << kBadKey << 2 << QStringList{"", ""};
        QTest::newRow("error page: exit 2, nothing marked")
            << 502 << QByteArray("<html>Bad Gateway</html>") << 2 << QStringList{"", ""};
    }
    void commandLine()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, answer);
        QFETCH(int, exitCode);
        QFETCH(QStringList, marks);
        server = std::make_unique<LoopbackHttpServer>(status, answer);
        // Without the instance's settings nothing is tried.
        f.app.reset();
        QCOMPARE(CliRun::in(f.dir->path(), {"wavelog", "upload"}).exitCode, 2);
        f.app = std::make_unique<AppDelegate>(DataFolder::at(f.dir->path()));
        f.app->defaults().setValue(wavelog::kHostKey, server->url());
        f.app->defaults().setValue(wavelog::kStationKey, "3");
        QVERIFY(wavelog::setApiKey(f.app->secrets(), f.app->defaults(), "SECRET-W"));
        f.app.reset();
        const CliRun run = CliRun::served(f.dir->path(), {"--json", "wavelog", "upload"});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.contains("SECRET-W"));
        f.app = std::make_unique<AppDelegate>(DataFolder::at(f.dir->path()));
        // The command line runs on the real clock.
        marks.replaceInStrings("20250615", QDateTime::currentDateTimeUtc().toString("yyyyMMdd"));
        QCOMPARE(this->marks(), marks);
        QVERIFY(server->requests().size() >= 1);
    }
};

QTEST_MAIN(TestWavelog)
#include "tst_wavelog.moc"
