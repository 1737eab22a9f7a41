// QRZ.com's logbook: its form reply and FETCH pages read from hostile bytes, an upload against a
// loopback stand-in that answers as QRZ documents (taken, duplicate, refused, bad key, an HTML
// page, a cut-off reply), the download of confirmations and the command line's exit codes.

#include "../cli/CliRun.h"
#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "services/QrzDownload.h"
#include "services/QrzFetch.h"
#include "services/QrzLogbook.h"
#include "services/RecordUpload.h"
#include "services/UploadMarks.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QUrlQuery>

namespace {

using Result = qrzlog::Reply::Result;

QString dataFile(const QString &name)
{
    return QStringLiteral(BRINDLEWICK_TEST_DATA "/qrz/") + name;
}

/** The form fields of a request body, decoded. */
QHash<QString, QString> formOf(const QByteArray &body)
{
    QHash<QString, QString> fields;
    for (const QByteArray &pair : body.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        fields.insert(QString::fromUtf8(pair.left(eq)),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(eq + 1))));
    }
    return fields;
}

/** The QSO's marks as "status|date|logid". */
QString marksOf(const QsoClass &qso)
{
    return qso.extraFields.value(u"qrzcom_qso_upload_status") + u'|' +
           qso.extraFields.value(u"qrzcom_qso_upload_date") + u'|' +
           qso.extraFields.value(u"app_qrzlog_logid");
}

} // namespace

class TestQrzlog : public QObject {
    Q_OBJECT

    QslFixture f;
    std::unique_ptr<QNetworkAccessManager> network;
    std::unique_ptr<LoopbackHttpServer> server;

    QStringList marks()
    {
        QStringList all;
        for (qint64 id = 1; id <= 3; ++id)
            all << marksOf(f.app->log().qsoById(id).value_or(QsoClass()));
        return all;
    }

    RecordUpload::Outcome upload(const QString &key = QStringLiteral("ABCD-0A0B-1C1D-2E2F"))
    {
        HttpClient http(*network, 5000);
        RecordUpload run(http, f.app->clock());
        QSignalSpy ended(&run, &RecordUpload::finished);
        run.start(f.app->log(), qrzlog::insertProtocol(server->url(), key),
                  uploadmarks::waiting(f.app->log(), uploadmarks::Service::Qrz));
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
        // Three QSOs waiting for QRZ, oldest first by id.
        f.storeEntries({"DL1AA|2025-06-15 12:00:00", "OH2ABC|2025-06-15 12:05:00|40m|SSB",
                        "W1AW|2025-06-15 12:10:00"});
    }
    void cleanup()
    {
        server.reset();
        network.reset();
        f.tearDown();
    }

    void formReply_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("logId");
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<bool>("badKey");
        QTest::newRow("taken, as the API guide shows it")
            << QByteArray("RESULT=OK&LOGID=130877825&COUNT=1") << int(Result::Ok) << ""
            << "130877825" << false << false;
        QTest::newRow("a trailing line break changes nothing")
            << QByteArray("RESULT=OK&LOGID=7&COUNT=1\r\n") << int(Result::Ok) << ""
            << "7" << false << false;
        QTest::newRow("duplicate is a FAIL whose reason says so")
            << QByteArray("RESULT=FAIL&REASON=Unable to add QSO to database: duplicate&EXTENDED=")
            << int(Result::Fail) << "Unable to add QSO to database: duplicate"
            << "" << true << false;
        QTest::newRow("outside the logbook's dates is refused, not a duplicate")
            << QByteArray("RESULT=FAIL&REASON=QSO date is outside the logbook date range")
            << int(Result::Fail) << "QSO date is outside the logbook date range"
            << "" << false << false;
        QTest::newRow("insufficient privileges")
            << QByteArray("RESULT=AUTH") << int(Result::Auth) << ""
            << "" << false << true;
        QTest::newRow("wrong key") << QByteArray("RESULT=FAIL&REASON=invalid api key ABCD")
                                   << int(Result::Fail) << "invalid api key ABCD"
                                   << "" << false << true;
        QTest::newRow("replaced") << QByteArray("RESULT=REPLACE&LOGID=12&COUNT=1")
                                  << int(Result::Replace) << ""
                                  << "12" << false << false;
        QTest::newRow("a log id that is not a number is dropped")
            << QByteArray("RESULT=OK&LOGID=12;DROP&COUNT=1") << int(Result::Ok) << ""
            << "" << false << false;
        QTest::newRow("percent-encoded reason")
            << QByteArray("RESULT=FAIL&REASON=wrong%20band") << int(Result::Fail) << "wrong band"
            << "" << false << false;
    }
    void formReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        QFETCH(QString, reason);
        QFETCH(QString, logId);
        QFETCH(bool, duplicate);
        QFETCH(bool, badKey);
        const qrzlog::Reply reply = qrzlog::parseReply(body);
        QCOMPARE(int(reply.result), result);
        QCOMPARE(reply.reason, reason);
        QCOMPARE(reply.logId, logId);
        QCOMPARE(reply.isDuplicate(), duplicate);
        QCOMPARE(reply.isBadKey(), badKey);
    }

    void hostileReply_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("HTML error page")
            << QByteArray("<html><head><title>502 Bad Gateway</title></head><body>nginx</body>"
                          "</html>");
        QTest::newRow("HTML page with RESULT= in its text")
            << QByteArray("<html>RESULT=OK&LOGID=1</html>");
        QTest::newRow("cut off before the value") << QByteArray("RESULT=");
        QTest::newRow("cut off in the name") << QByteArray("RESU");
        QTest::newRow("unknown result") << QByteArray("RESULT=MAYBE&LOGID=1");
        QTest::newRow("junk") << QByteArray("\x00\xff\xfe=&&&==", 9);
        QTest::newRow("no RESULT at all") << QByteArray("LOGID=5&COUNT=1");
    }
    void hostileReply()
    {
        QFETCH(QByteArray, body);
        QCOMPARE(int(qrzlog::parseReply(body).result), int(Result::NotAReply));
        QVERIFY(!qrzlog::parseFetch(body, 250).isComplete());
    }

    void hugeValues()
    {
        const QByteArray reason(1 << 20, 'x');
        const qrzlog::Reply reply =
            qrzlog::parseReply("RESULT=FAIL&REASON=" + reason + "&COUNT=99999999999999999999999");
        QCOMPARE(int(reply.result), int(Result::Fail));
        QVERIFY(reply.reason.size() <= qrzlog::kMaxReason + 1);
        QCOMPARE(reply.count, -1);
    }

    void fetchPage()
    {
        const QByteArray body = QslFixture::contents(dataFile("fetch-three.txt"));
        const qrzlog::FetchPage page = qrzlog::parseFetch(body, 250);
        QStringList lines;
        for (const QsoClass &qso : page.qsos)
            lines << QStringList{qso.callsign,
                                 qso.dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                 qso.band,
                                 qso.mode,
                                 qso.extraFields.value(u"app_qrzlog_status"),
                                 qso.extraFields.value(u"app_qrzlog_logid")}
                         .join(u'|');
        lines << QStringLiteral("last logid %1, %2")
                     .arg(page.lastLogId)
                     .arg(page.isComplete() ? "complete" : "incomplete");
        const QString expected =
            QString::fromUtf8(QslFixture::contents(dataFile("fetch-three.expected"))).trimmed();
        QCOMPARE(lines.join(u'\n'), expected);
    }

    void fetchPageCut_data()
    {
        QTest::addColumn<int>("cutAt");
        QTest::addColumn<qint64>("max");
        QTest::newRow("in the last record") << -40 << qint64(250);
        QTest::newRow("after the first record") << 420 << qint64(250);
        QTest::newRow("whole, but fewer records than MAX lets COUNT expect") << 0 << qint64(2);
    }
    void fetchPageCut()
    {
        QFETCH(int, cutAt);
        QFETCH(qint64, max);
        QByteArray body = QslFixture::contents(dataFile("fetch-three.txt"));
        if (cutAt != 0)
            body.truncate(cutAt < 0 ? body.size() + cutAt : cutAt);
        QVERIFY(!qrzlog::parseFetch(body, max).isComplete());
    }

    void uploadMarksWhatQrzTook()
    {
        server = std::make_unique<LoopbackHttpServer>();
        server->respond([](const LoopbackHttpServer::Request &request) {
            const QString adif = formOf(request.body).value("ADIF");
            if (adif.contains("DL1AA"))
                return LoopbackHttpServer::Answer{200, "RESULT=OK&LOGID=501&COUNT=1"};
            if (adif.contains("OH2ABC"))
                return LoopbackHttpServer::Answer{
                    200, "RESULT=FAIL&REASON=Unable to add QSO to database: duplicate&EXTENDED="};
            return LoopbackHttpServer::Answer{
                200, "RESULT=FAIL&REASON=QSO date is outside the logbook date range"};
        });
        const RecordUpload::Outcome outcome = upload();
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.accepted, 1);
        QCOMPARE(outcome.duplicates, 1);
        QCOMPARE(outcome.refusals,
                 QStringList{"W1AW 2025-06-15 12:10: QSO date is outside the logbook date range"});
        QCOMPARE(marks(), (QStringList{"Y|20250615|501", "Y|20250615|", "||"}));
        // What QRZ was sent: a form POST with the key, the action and one record each.
        QCOMPARE(server->requests().size(), 3);
        const LoopbackHttpServer::Request &first = server->requests().first();
        QCOMPARE(first.method, "POST");
        QCOMPARE(first.path(), "/api");
        QCOMPARE(first.header("Content-Type"), "application/x-www-form-urlencoded");
        const QHash<QString, QString> form = formOf(first.body);
        QCOMPARE(form.value("KEY"), "ABCD-0A0B-1C1D-2E2F");
        QCOMPARE(form.value("ACTION"), "INSERT");
        QVERIFY(form.value("ADIF").contains("<call:5>DL1AA", Qt::CaseInsensitive));
        QVERIFY(form.value("ADIF").contains("<eor>", Qt::CaseInsensitive));
        // The refused one is all that waits now.
        QCOMPARE(uploadmarks::waiting(f.app->log(), uploadmarks::Service::Qrz).size(), 1);
    }

    void failureMarksNothing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");
        QTest::newRow("bad key") << 200 << QByteArray("RESULT=FAIL&REASON=invalid api key")
                                 << "QRZ.com refused the API key: invalid api key";
        QTest::newRow("no privileges")
            << 200 << QByteArray("RESULT=AUTH") << "QRZ.com refused the API key: AUTH";
        QTest::newRow("HTML error page")
            << 200 << QByteArray("<html><body>Service Unavailable</body></html>")
            << "QRZ.com's reply could not be read";
        QTest::newRow("cut-off reply")
            << 200 << QByteArray("RESUL") << "QRZ.com's reply could not be read";
        QTest::newRow("server error page") << 503 << QByteArray("<html>busy</html>") << "";
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
        QVERIFY(!outcome.error.contains("ABCD-0A0B"));
        QCOMPARE(outcome.marked, 0);
        QCOMPARE(server->requests().size(), 1); // the run stops at the first
        QCOMPARE(marks(), (QStringList{"||", "||", "||"}));
    }

    void downloadMarksConfirmations()
    {
        // The FETCH page: DL1AA 30 s after the logged time (matched as LoTW matches), OH2ABC on
        // another day and W1AW on another date: two confirmations not in the log.
        server = std::make_unique<LoopbackHttpServer>(
            200, QslFixture::contents(dataFile("fetch-three.txt")));
        HttpClient http(*network, 5000);
        QrzDownload run(http, f.app->clock());
        QSignalSpy ended(&run, &QrzDownload::finished);
        QSignalSpy changed(&f.app->log(), &LogModel::qsosChanged);
        run.start(f.app->log(), server->url(), QStringLiteral("KEY1"));
        QVERIFY(ended.wait(20000));
        const QrzDownload::Outcome outcome = ended.first().first().value<QrzDownload::Outcome>();
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(outcome.received, 3);
        QCOMPARE(outcome.newlyConfirmed, 1);
        QCOMPARE(outcome.notInLog, 2);
        QCOMPARE(changed.size(), 1);
        const QsoClass dl = *f.app->log().qsoById(1);
        QCOMPARE(dl.extraFields.value(u"app_qrzlog_status"), "C");
        QCOMPARE(dl.extraFields.value(u"qrzcom_qso_download_status"), "Y");
        QCOMPARE(dl.extraFields.value(u"qrzcom_qso_download_date"), "20250615");
        QCOMPARE(marksOf(dl), "Y|20250615|1001");
        const QHash<QString, QString> form = formOf(server->requests().first().body);
        QCOMPARE(form.value("ACTION"), "FETCH");
        QCOMPARE(form.value("OPTION"), "STATUS:CONFIRMED,MAX:250,AFTERLOGID:0");
        // A second run finds nothing new.
        run.start(f.app->log(), server->url(), QStringLiteral("KEY1"));
        QVERIFY(ended.wait(20000));
        QCOMPARE(ended.last().first().value<QrzDownload::Outcome>().newlyConfirmed, 0);
    }

    void downloadPages()
    {
        // QRZ gives at most 250 records a request: the second page starts after the first's
        // highest log id, and COUNT is what is left from there.
        const auto record = [](const QByteArray &call, const QByteArray &time, int logId) {
            const QByteArray id = QByteArray::number(logId);
            return "&lt;call:" + QByteArray::number(call.size()) + "&gt;" + call +
                   "&lt;band:3&gt;20m&lt;mode:2&gt;CW&lt;qso_date:8&gt;20250615&lt;time_on:6&gt;" +
                   time + "&lt;app_qrzlog_status:1&gt;C&lt;app_qrzlog_logid:" +
                   QByteArray::number(id.size()) + "&gt;" + id + "&lt;eor&gt;\n";
        };
        QByteArray first = "RESULT=OK&COUNT=251&ADIF=";
        for (int i = 0; i < 249; ++i)
            first += record("ZZ" + QByteArray::number(i) + "ZZ", "000000", 100 + i);
        first += record("DL1AA", "120010", 5000);
        const QByteArray second = "RESULT=OK&COUNT=1&ADIF=" + record("W1AW", "121000", 5003);
        server = std::make_unique<LoopbackHttpServer>();
        server->respond([&](const LoopbackHttpServer::Request &request) {
            const QString option = formOf(request.body).value("OPTION");
            return LoopbackHttpServer::Answer{
                200, option.endsWith("AFTERLOGID:0") ? first
                     : option.endsWith("AFTERLOGID:5001")
                         ? second
                         : QByteArray("RESULT=FAIL&REASON=unexpected " + option.toUtf8())};
        });
        HttpClient http(*network, 5000);
        QrzDownload run(http, f.app->clock());
        QSignalSpy ended(&run, &QrzDownload::finished);
        run.start(f.app->log(), server->url(), QStringLiteral("KEY1"));
        QVERIFY(ended.wait(20000));
        const QrzDownload::Outcome outcome = ended.first().first().value<QrzDownload::Outcome>();
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(server->requests().size(), 2);
        QCOMPARE(outcome.received, 251);
        QCOMPARE(outcome.newlyConfirmed, 2);
        QCOMPARE(marks(), (QStringList{"Y|20250615|5000", "||", "Y|20250615|5003"}));
    }

    void cutOffDownloadChangesNothing()
    {
        QByteArray body = QslFixture::contents(dataFile("fetch-three.txt"));
        body.chop(60);
        server = std::make_unique<LoopbackHttpServer>(200, body);
        HttpClient http(*network, 5000);
        QrzDownload run(http, f.app->clock());
        QSignalSpy ended(&run, &QrzDownload::finished);
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^QRZ.com download stopped: "));
        run.start(f.app->log(), server->url(), QStringLiteral("KEY1"));
        QVERIFY(ended.wait(20000));
        const QrzDownload::Outcome outcome = ended.first().first().value<QrzDownload::Outcome>();
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.error, "the reply was cut off; nothing was changed");
        QVERIFY(f.app->log().qsoById(1)->extraFields.isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("all taken") << QByteArray("RESULT=OK&LOGID=9&COUNT=1") << 0
                                   << QStringList{"Y|20250615|9", "Y|20250615|9", "Y|20250615|9"};
        QTest::newRow("all there already")
            << QByteArray("RESULT=FAIL&REASON=duplicate") << 0
            << QStringList{"Y|20250615|", "Y|20250615|", "Y|20250615|"};
        QTest::newRow("bad key: exit 2, nothing marked")
            << QByteArray("RESULT=AUTH") << 2 << QStringList{"||", "||", "||"};
    }
    void commandLine()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, exitCode);
        QFETCH(QStringList, marks);
        server = std::make_unique<LoopbackHttpServer>(200, answer);
        f.app->defaults().setValue(qrzlog::kHostKey, server->url());
        QVERIFY(qrzlog::setApiKey(f.app->secrets(), f.app->defaults(), "SECRET-KEY"));
        f.app.reset(); // the CLI is the only one at the logbook now
        const CliRun dry = CliRun::in(f.dir->path(), {"--json", "qrz", "upload", "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(dry.out.toUtf8()).object().value("qsos").toInt(), 3);
        QVERIFY(server->requests().isEmpty());
        const CliRun run = CliRun::served(f.dir->path(), {"--json", "qrz", "upload"});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.contains("SECRET-KEY"));
        QVERIFY(!run.out.contains("SECRET-KEY"));
        f.app = std::make_unique<AppDelegate>(DataFolder::at(f.dir->path()));
        // The command line runs on the real clock.
        marks.replaceInStrings("20250615", QDateTime::currentDateTimeUtc().toString("yyyyMMdd"));
        QCOMPARE(this->marks(), marks);
        QCOMPARE(CliRun::in(f.dir->path(), {"qrz", "upload", "--all"}).exitCode, 1);
    }
};

QTEST_MAIN(TestQrzlog)
#include "tst_qrzlog.moc"
