// eQSL: the two-step inbox download, which QSO a received eQSL marks, the server's pages, and the
// upload with its confirmation.

#include "ExpectedOutput.h"
#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "model/QslMatch.h"
#include "services/EqslDownload.h"
#include "services/EqslUpload.h"
#include "services/QslTexts.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QTimer>

namespace {

const QByteArray kInboxPath = "/qslcard/DownloadInBox.cfm";
const QByteArray kFilePath = "/qslcard/downloadedfiles/inbox123.adi";
const QByteArray kLinkPage = "<HTML><HEAD><TITLE>eQSL</TITLE></HEAD><BODY>\r\n"
                             "<P>Your ADIF log file has been built. <A HREF=\"downloadedfiles/"
                             "inbox123.adi\">.ADI file</A></BODY></HTML>";

QByteArray inboxRecord(const QByteArray &call, const QByteArray &date, const QByteArray &time,
                       const QByteArray &band, const QByteArray &mode, const QByteArray &more = {})
{
    return QslFixture::field("CALL", call) + QslFixture::field("QSO_DATE", date) +
           QslFixture::field("TIME_ON", time) + QslFixture::field("BAND", band) +
           QslFixture::field("MODE", mode) + more + "<EOR>\r\n";
}

QByteArray inbox(const QByteArray &records)
{
    return "ADIF 3 Export from eQSL.cc\r\nReceived eQSLs for K1XYZ\r\n" +
           QslFixture::field("PROGRAMID", "eQSL.cc DownloadInBox") + "<EOH>\r\n" + records;
}

} // namespace

class TestEqsl : public QObject {
    Q_OBJECT

    QslFixture f;

    struct Run {
        eqsl::Applied applied;
        QStringList statuses;
        QStringList pages;
        QStringList alerts;
    };

    Run download(LoopbackHttpServer &server, const EqslDownload::Account &account,
                 const QDateTime &laterNow = {})
    {
        f.app->defaults().setValue(QStringLiteral("EqslHost"), server.url());
        QNetworkAccessManager network;
        HttpClient http(network, 5000);
        EqslDownload run(http, f.app->defaults(), f.app->clock());
        Run result;
        connect(&run, &EqslDownload::statusChanged, this,
                [&result](const QString &text, bool) { result.statuses << text; });
        connect(&run, &EqslDownload::pageReceived, this,
                [&result](const QString &html) { result.pages << html; });
        connect(&run, &EqslDownload::alertRequested, this,
                [&result](const QString &title, const QString &message, const QString &button) {
                    result.alerts << title + '|' + message + '|' + button;
                });
        QEventLoop loop;
        connect(&run, &EqslDownload::finished, &loop, [&](const eqsl::Applied &applied) {
            result.applied = applied;
            loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        if (!run.download(account, f.app->log()))
            return result;
        if (laterNow.isValid())
            f.app->clock().setFixed(laterNow);
        loop.exec();
        return result;
    }

    static QByteArray queryValue(const QByteArray &query, const QByteArray &name)
    {
        for (const QByteArray &item : query.split('&'))
            if (item.startsWith(name + '='))
                return QByteArray::fromPercentEncoding(item.mid(name.size() + 1));
        return "<absent>";
    }

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void twoStepDownload()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00|20m|CW|230||S",
                        "K1AB|2025-06-15 13:00:00|20m|FT4|291||W",
                        "K1ABC|2025-06-15 14:00:00|20m|CW|291||W"});
        QVERIFY(f.app->log().updatePrefs("eqsllastqsl", "2024-05-06 07:08:09"));
        LoopbackHttpServer server;
        server.answer(kInboxPath, {200, kLinkPage, false});
        // The first eQSL's message holds what looks like a field of another QSO.
        const QByteArray message = QslFixture::field("QSLMSG", "TNX <call:5>K1ABC <EOR> 73");
        server.answer(kFilePath,
                      {200,
                       inbox(inboxRecord("DL1AA", "20250615", "1201", "20M", "CW", message) +
                             inboxRecord("K1AB", "20250615", "134500", "20M", "MFSK",
                                         QslFixture::field("SUBMODE", "FT4")) +
                             inboxRecord("OE1XX", "20250615", "1200", "20M", "SSB")),
                       false});
        const QDateTime start = f.app->clock().now();
        f.announced.clear();
        const Run run =
            download(server, {"k1xyz", "a&b=c+d;e%f", "Home QTH", "2024-05-06 07:08:09"},
                     start.addSecs(300));
        QVERIFY2(run.applied.ok, qPrintable(run.applied.error));
        QCOMPARE(server.requests().size(), 2);
        const QByteArray query = server.requests().at(0).query();
        QCOMPARE(queryValue(query, "UserName"), QByteArray("k1xyz"));
        QCOMPARE(queryValue(query, "Password"), QByteArray("a&b=c+d;e%f"));
        QCOMPARE(queryValue(query, "QTHNickname"), QByteArray("Home QTH"));
        QCOMPARE(queryValue(query, "RcvdSince"), QByteArray("202405060708"));
        QCOMPARE(server.requests().at(1).path(), kFilePath);
        QCOMPARE(f.column("eqsl"), QStringList({"X", "R", "W"}));
        QStringList rows;
        for (const QslRow &row : run.applied.rows)
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(row.id.value_or(-1))
                        .arg(row.callsign, row.mode, row.time);
        QCOMPARE(rows,
                 QStringList({"-1 OE1XX SSB 1200", "1 DL1AA CW 1201", "2 K1AB MFSK/FT4 1345"}));
        QCOMPARE(run.statuses.last(), QStringLiteral("3 QSLs read"));
        // The next download asks from when this one started, not when it ended.
        QCOMPARE(f.app->log().readPrefsForEntry("eqsllastqsl"), formats::sqlDateTime(start));
        QVERIFY(f.announced.contains("qsosChanged"));
    }

    void pages_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("file"); // empty: no second step
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("lastStatus");
        QTest::addColumn<bool>("pageShown");
        const QByteArray one = inboxRecord("DL1AA", "20250615", "1200", "20M", "CW");
        QTest::newRow("no new entries")
            << QByteArray("<HTML><HEAD></HEAD><BODY>You have no log entries</BODY></HTML>")
            << QByteArray() << true << qsltexts::kNoLogEntries << false;
        QTest::newRow("the login error page")
            << QByteArray("<HTML><HEAD><TITLE>x</TITLE></HEAD><BODY><H3>Error: No such "
                          "Username/Password found</H3></BODY></HTML>")
            << QByteArray() << false << "Error: No such Username/Password found" << false;
        QTest::newRow("an unknown page")
            << QByteArray("<HTML><HEAD></HEAD><BODY>Maintenance"
                          "</BODY></HTML>")
            << QByteArray() << false << qsltexts::kUnknownError << true;
        QTest::newRow("a page instead of the file")
            << kLinkPage << QByteArray("<HTML><BODY>File not found</BODY></HTML>") << false
            << qsltexts::kNotAnInbox << false;
        QTest::newRow("a file cut off in a record")
            << kLinkPage << inbox(one + one).chopped(12) << false << qsltexts::kNotAnInbox << false;
    }

    void pages()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        QFETCH(QString, lastStatus);
        QFETCH(bool, pageShown);
        f.storeEntries({"DL1AA|2025-06-15 12:00:00|20m|CW|230||W"});
        QVERIFY(f.app->log().updatePrefs("eqsllastqsl", "2024-05-06 07:08:09"));
        LoopbackHttpServer server;
        server.answer(kInboxPath, {200, first, false});
        server.answer(kFilePath, {200, file, false});
        f.announced.clear();
        const Run run = download(server, {"u", "p", "", ""});
        QCOMPARE(run.applied.ok, ok);
        QCOMPARE(run.statuses.last(), lastStatus);
        QCOMPARE(!run.pages.isEmpty(), pageShown);
        QCOMPARE(server.requests().size(), file.isEmpty() ? 1 : 2);
        QCOMPARE(f.column("eqsl"), QStringList{"W"});
        QCOMPARE(f.app->log().readPrefsForEntry("eqsllastqsl"),
                 QStringLiteral("2024-05-06 07:08:09"));
        QVERIFY(!f.announced.contains("qsosChanged"));
    }

    void networkFailureAlerts()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        LoopbackHttpServer unused;
        f.app->defaults().setValue("EqslHost", QStringLiteral("http://127.0.0.1:%1").arg(port));
        QNetworkAccessManager network;
        HttpClient http(network, 5000);
        EqslDownload run(http, f.app->defaults(), f.app->clock());
        QStringList alerts;
        QStringList statuses;
        connect(&run, &EqslDownload::alertRequested, this,
                [&](const QString &title, const QString &, const QString &button) {
                    alerts << title + '|' + button;
                });
        connect(&run, &EqslDownload::statusChanged, this,
                [&](const QString &text, bool) { statuses << text; });
        QEventLoop loop;
        connect(&run, &EqslDownload::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QVERIFY(run.download({"u", "p", "", ""}, f.app->log()));
        loop.exec();
        QCOMPARE(alerts, QStringList{"eQSL Download Error:|Okay"});
        // The word the operator knows, and why.
        QVERIFY2(statuses.last().startsWith(QStringLiteral("Error: ")) &&
                     statuses.last().size() > 7,
                 qPrintable(statuses.last()));
    }

    void modeFit_data()
    {
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("received");
        QTest::addColumn<int>("fit");
        QTest::newRow("same mode") << "CW"
                                   << "CW" << 0;
        QTest::newRow("logged FT4, received MFSK/FT4") << "FT4"
                                                       << "MFSK/FT4" << 0;
        QTest::newRow("logged USB, received SSB") << "USB"
                                                  << "SSB" << 0;
        QTest::newRow("logged PSK63, received PSK/PSK31: only the class") << "PSK63"
                                                                          << "PSK/PSK31" << 1;
        QTest::newRow("logged FT8, received RTTY: only the class") << "FT8"
                                                                   << "RTTY" << 1;
        QTest::newRow("logged CW, received SSB") << "CW"
                                                 << "SSB" << -1;
        QTest::newRow("logged SSB, received MFSK/FT4") << "SSB"
                                                       << "MFSK/FT4" << -1;
    }

    void modeFit()
    {
        QFETCH(QString, logged);
        QFETCH(QString, received);
        QFETCH(int, fit);
        QCOMPARE(qslmatch::modeFit(logged, received, &f.app->log().modesList()), fit);
    }

    void exactModeBeatsNearerClass()
    {
        f.storeEntries(
            {"K1AB|2025-06-15 12:00:00|20m|FT8|291||W", "K1AB|2025-06-15 12:40:00|20m|FT4|291||W"});
        const QByteArray file = inbox(inboxRecord("K1AB", "20250615", "1201", "20M", "MFSK",
                                                  QslFixture::field("SUBMODE", "FT4")));
        LoopbackHttpServer server;
        server.answer(kInboxPath, {200, kLinkPage, false});
        server.answer(kFilePath, {200, file, false});
        QVERIFY(download(server, {"u", "p", "", ""}).applied.ok);
        QCOMPARE(f.column("eqsl"), QStringList({"W", "R"}));
    }

    /** Stored inbox files (data/eqsl/) against what is read from them: fields are walked by
     *  their lengths, a page is no inbox even when it holds "<EOH>", a cut-off file is not
     *  complete. */
    void inboxFiles_data() { expected::addInputRows(BRINDLEWICK_TEST_DATA "/eqsl"); }

    void inboxFiles()
    {
        QFETCH(QString, input);
        const eqsl::Inbox read = eqsl::parseInbox(expected::readAll(input));
        QJsonArray received;
        for (const QsoClass &q : read.received)
            received << QJsonObject{{"callsign", q.callsign},
                                    {"dateTime", q.dateTime.toString(Qt::ISODate)},
                                    {"band", q.band},
                                    {"mode", q.mode}};
        COMPARE_EXPECTED(input, (QJsonObject{{"isAdif", read.isAdif},
                                             {"complete", read.complete},
                                             {"received", received}}));
    }

    void sinceValue_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("since");
        QTest::newRow("full date") << "2024-05-06 07:08:09"
                                   << "202405060708";
        QTest::newRow("minutes only") << "2024-05-06 07:08"
                                      << "202405060708";
        QTest::newRow("too short") << "2024-05-06"
                                   << "";
        QTest::newRow("never downloaded") << "2099-12-31 23:59:59"
                                          << "";
    }

    void sinceValue()
    {
        QFETCH(QString, last);
        QFETCH(QString, since);
        QCOMPARE(eqsl::sinceValue(last), since);
    }

    void uploadAndConfirm()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00|20m|CW|230||W",
                        "DL2BB|2025-06-15 12:10:00|20m|CW|230||R",
                        "DL3CC|2025-06-15 12:20:00|20m|CW|230||S"});
        LoopbackHttpServer server;
        server.answer("/qslcard/ImportADIF.cfm", {200, "Result: 2 out of 2 records added", false});
        f.app->defaults().setValue(QStringLiteral("EqslHost"), server.url());
        QNetworkAccessManager network;
        HttpClient http(network, 5000);
        EqslUpload upload(http, f.app->defaults());
        QCOMPARE(upload.prepare(f.app->log(), {}, "TNX QSO"),
                 QStringLiteral("2 QSLs not uploaded yet"));
        QStringList pages;
        for (int round = 0; round < 2; ++round) {
            QEventLoop loop;
            const auto connection =
                connect(&upload, &EqslUpload::finished, &loop, [&](bool ok, const QString &page) {
                    pages << (ok ? page : "failed");
                    loop.quit();
                });
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            QVERIFY(upload.upload("k1xyz", "pa;ss&w=rd"));
            loop.exec();
            disconnect(connection);
        }
        QCOMPARE(pages, QStringList(2, "Result: 2 out of 2 records added"));
        QCOMPARE(server.requests().size(), 2);
        QList<QByteArray> boundaries;
        for (const auto &request : server.requests()) {
            const QByteArray type = request.header("Content-Type");
            QVERIFY2(type.startsWith("multipart/form-data; boundary="), type.constData());
            const QByteArray boundary = type.mid(type.indexOf('=') + 1);
            boundaries << boundary;
            QVERIFY(request.body.startsWith("--" + boundary + "\r\n"));
            QVERIFY(request.body.endsWith("--" + boundary + "--\r\n"));
            QVERIFY(request.body.contains(
                "Content-Disposition: form-data; name=\"Filename\"; filename=\"NoFile.adif\""));
            QVERIFY(request.body.contains("<programid:10>Quellbrand\r\n<EQSL_USER:5>k1xyz \r\n"
                                          "<EQSL_PSWD:10>pa;ss&w=rd \r\n<eoh>\r\n"));
            QVERIFY(request.body.contains("<qslmsg:7>TNX QSO"));
        }
        QVERIFY(boundaries.at(0) != boundaries.at(1));
        // Nothing changes before the user confirms.
        QCOMPARE(f.column("eqsl"), QStringList({"W", "R", "S"}));
        QVERIFY(upload.confirm());
        QCOMPARE(f.column("eqsl"), QStringList({"S", "X", "S"}));
    }
};

QTEST_GUILESS_MAIN(TestEqsl)
#include "tst_eqsl.moc"
