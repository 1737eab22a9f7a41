// LoTW: which QSO a confirmation marks, what it corrects and credits, and how a download that
// goes wrong (a page instead of a report, a cut-off report, no answer) leaves the logbook alone.

#include "ExpectedOutput.h"
#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "services/LotwDownload.h"
#include "services/QslTexts.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QTimeZone>
#include <QTimer>
#include <QUrlQuery>

namespace {

// The machine's clock in the report tests: a day after the QSOs they confirm.
const QDateTime kNow(QDate(2025, 6, 16), QTime(0, 0), QTimeZone::utc());

QStringList messages;

void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

} // namespace

class TestLotw : public QObject {
    Q_OBJECT

    QslFixture f;

    lotw::Applied apply(const QByteArray &report, bool details)
    {
        QslSession session(f.logbookPath(), formats::DateStyle::Short);
        return lotw::applyReport(lotw::parseReport(report, kNow), session,
                                 lotw::entityTable(f.app->dxcc()), details);
    }

    QString pref(const QString &entry) { return f.app->log().readPrefsForEntry(entry); }

    struct Run {
        lotw::Applied applied;
        QStringList statuses;
        QStringList pages;
    };

    /** A download from the loopback server answering the report path. */
    Run download(LoopbackHttpServer &server, LotwDownload::Account account, int timeoutMs = 5000,
                 qint64 maxReplyBytes = HttpClient::kDefaultMaxReplyBytes)
    {
        f.app->defaults().setValue(QStringLiteral("LotwHost"), server.url());
        QNetworkAccessManager network;
        HttpClient http(network, timeoutMs);
        http.setMaxReplyBytes(maxReplyBytes);
        LotwDownload run(http, f.app->defaults(), f.app->clock());
        Run result;
        connect(&run, &LotwDownload::statusChanged, this,
                [&result](const QString &text, bool) { result.statuses << text; });
        connect(&run, &LotwDownload::pageReceived, this,
                [&result](const QString &html, const QString &) { result.pages << html; });
        QEventLoop loop;
        connect(&run, &LotwDownload::finished, &loop, [&](const lotw::Applied &applied) {
            result.applied = applied;
            loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        if (run.download(account, f.app->log(), lotw::entityTable(f.app->dxcc())))
            loop.exec();
        return result;
    }

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void matching_data()
    {
        QTest::addColumn<QStringList>("logged"); // ids 1, 2, … in this order
        QTest::addColumn<QStringList>("qsls");
        QTest::addColumn<QList<qint64>>("matched"); // per QSL the QSO id, -1 none
        const QString t = QStringLiteral("2025-06-15 12:00:%1");
        QTest::newRow("K1AB's QSL leaves K1ABC alone")
            << QStringList{"K1ABC|" + t.arg("00")} << QStringList{"K1AB|" + t.arg("00")}
            << QList<qint64>{-1};
        QTest::newRow("K1AB's QSL confirms K1AB/P")
            << QStringList{"K1AB/P|" + t.arg("00")} << QStringList{"K1AB|" + t.arg("00")}
            << QList<qint64>{1};
        QTest::newRow("K1AB/P's QSL does not confirm K1AB")
            << QStringList{"K1AB|" + t.arg("00")} << QStringList{"K1AB/P|" + t.arg("00")}
            << QList<qint64>{-1};
        QTest::newRow("pile-up QSOs 5 s apart each get their own QSL")
            << QStringList{"DL1AA|" + t.arg("00"), "DL1AA|" + t.arg("05")}
            << QStringList{"DL1AA|" + t.arg("05"), "DL1AA|" + t.arg("00")} << QList<qint64>{2, 1};
        QTest::newRow("pile-up: a QSL between takes the nearer QSO")
            << QStringList{"DL1AA|" + t.arg("00"), "DL1AA|" + t.arg("05")}
            << QStringList{"DL1AA|" + t.arg("04")} << QList<qint64>{2};
        QTest::newRow("a QSO takes one QSL of a report; the second goes to the next nearest")
            << QStringList{"DL1AA|" + t.arg("00"), "DL1AA|" + t.arg("30")}
            << QStringList{"DL1AA|" + t.arg("00"), "DL1AA|" + t.arg("00")} << QList<qint64>{1, 2};
        QTest::newRow("a second QSL for the only QSO is not in the log")
            << QStringList{"DL1AA|" + t.arg("00")}
            << QStringList{"DL1AA|" + t.arg("00"), "DL1AA|" + t.arg("00")} << QList<qint64>{1, -1};
        QTest::newRow("59 s away matches")
            << QStringList{"DL1AA|" + t.arg("00")} << QStringList{"DL1AA|2025-06-15 12:00:59"}
            << QList<qint64>{1};
        QTest::newRow("60 s away is outside the window")
            << QStringList{"DL1AA|" + t.arg("00")} << QStringList{"DL1AA|2025-06-15 12:01:00"}
            << QList<qint64>{-1};
        QTest::newRow("other band") << QStringList{"DL1AA|" + t.arg("00") + "|40m"}
                                    << QStringList{"DL1AA|" + t.arg("00")} << QList<qint64>{-1};
        QTest::newRow("a QSO already confirmed still takes its QSL")
            << QStringList{"DL1AA|" + t.arg("00") + "|20m|CW|230|X"}
            << QStringList{"DL1AA|" + t.arg("00")} << QList<qint64>{1};
        QTest::newRow("the exact QSO even when it is confirmed and a neighbour is not")
            << QStringList{"DL1AA|" + t.arg("00") + "|20m|CW|230|X", "DL1AA|" + t.arg("05")}
            << QStringList{"DL1AA|" + t.arg("00")} << QList<qint64>{1};
        QTest::newRow("at equal distance the one not yet confirmed")
            << QStringList{"DL1AA|2025-06-15 11:59:50|20m|CW|230|X", "DL1AA|" + t.arg("10")}
            << QStringList{"DL1AA|" + t.arg("00")} << QList<qint64>{2};
        QTest::newRow("an invalid operation is matched like any QSO")
            << QStringList{"DL1AA|" + t.arg("00") + "|20m|CW|-230"}
            << QStringList{"DL1AA|" + t.arg("00")} << QList<qint64>{1};
    }

    void matching()
    {
        QFETCH(QStringList, logged);
        QFETCH(QStringList, qsls);
        QFETCH(QList<qint64>, matched);
        f.storeEntries(logged);
        const lotw::Applied applied = apply(QslFixture::lotwReport(qsls), false);
        QVERIFY2(applied.ok, qPrintable(applied.error));
        QList<qint64> ids;
        for (const QslRow &row : applied.rows)
            ids << row.id.value_or(-1);
        QCOMPARE(ids, matched);
        QStringList expected;
        for (qsizetype i = 0; i < logged.size(); ++i)
            expected << (matched.contains(i + 1) ? QStringLiteral("X")
                                                 : logged.at(i).section(QLatin1Char('|'), 5, 5));
        QCOMPARE(f.column("lotwqsl"), expected);
    }

    void corrections_data()
    {
        QTest::addColumn<QString>("logged"); // "adif|locator|cq"
        QTest::addColumn<QString>("qsl");    // DXCC number and further fields
        QTest::addColumn<QString>("stored"); // dxccadif|locator|cq|dxcc afterwards
        QTest::addColumn<int>("corrected");
        const auto with = [](const char *name, const char *value) {
            return QStringLiteral("230|") + QString::fromLatin1(QslFixture::field(name, value));
        };
        QTest::newRow("no entity in the report keeps the stored one") << "230|JO31AB|14"
                                                                      << "|"
                                                                      << "230|JO31AB|14|DL" << 0;
        QTest::newRow("another entity is taken with its zones and prefix") << "230|JO31AB|14"
                                                                           << "291|"
                                                                           << "291|JO31AB|5|K" << 1;
        QTest::newRow("an invalid operation keeps its mark when the entity is the same")
            << "-230||14"
            << "230|"
            << "-230||14|DL" << 0;
        QTest::newRow("an invalid operation keeps its mark when the entity changes")
            << "-230||14"
            << "291|"
            << "-291||5|K" << 1;
        QTest::newRow("a 4-character grid does not replace a 6-character one it starts")
            << "230|JO31AB|14" << with("GRIDSQUARE", "JO31") << "230|JO31AB|14|DL" << 0;
        QTest::newRow("a 4-character grid replaces another square")
            << "230|JO32AB|14" << with("GRIDSQUARE", "JO31") << "230|JO31|14|DL" << 0;
        QTest::newRow("a 6-character grid refines a 4-character one")
            << "230|JO31|14" << with("GRIDSQUARE", "jo31ab") << "230|JO31AB|14|DL" << 0;
        QTest::newRow("a zone loses one leading zero")
            << "230||15" << with("CQZ", "014") << "230||14|DL" << 0;
        // Unknown or impossible values never replace known ones.
        QTest::newRow("an entity the country file lacks keeps the logged one")
            << "230|JO31AB|14"
            << "999|"
            << "230|JO31AB|14|DL" << 0;
        QTest::newRow("a zone that is no number is not written")
            << "230|JO31AB|14" << with("CQZ", "abc") << "230|JO31AB|14|DL" << 0;
        QTest::newRow("a zone beyond 40 is not written")
            << "230|JO31AB|14" << with("CQZ", "41") << "230|JO31AB|14|DL" << 0;
        QTest::newRow("a grid with quotes is not written")
            << "230|JO32AB|14" << with("GRIDSQUARE", "JO31'--") << "230|JO32AB|14|DL" << 0;
    }

    void corrections()
    {
        QFETCH(QString, logged);
        QFETCH(QString, qsl);
        QFETCH(QString, stored);
        QFETCH(int, corrected);
        const QStringList l = logged.split('|');
        QsoClass q = QslFixture::qso("DL1AA", "2025-06-15 12:00:00");
        q.adif = l[0].toInt();
        q.opIsValid = q.adif > 0;
        q.locator = l[1];
        q.cq = l[2];
        f.store({q});
        const lotw::Applied applied =
            apply(QslFixture::lotwReport({"DL1AA|2025-06-15 12:00:00|20M|CW|" + qsl}), true);
        QVERIFY2(applied.ok, qPrintable(applied.error));
        QCOMPARE(applied.corrected, corrected);
        QCOMPARE(QStringList({f.column("dxccadif").value(0), f.column("locator").value(0),
                              f.column("cq").value(0), f.column("dxcc").value(0)})
                     .join('|'),
                 stored);
        QCOMPARE(applied.rows.value(0).mark,
                 corrected ? QslRow::Mark::Corrected : QslRow::Mark::None);
    }

    void creditsWithinOneRun_data()
    {
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QStringList>("qsls");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<bool>("paperFirst"); // the first QSO has a paper QSL
        QTest::newRow("a new entity is credited once, the second QSL brings its band")
            << QStringList{"EA1AA|2025-06-15 12:00:00|20m|CW|281",
                           "EA1AA|2025-06-15 13:00:00|40m|CW|281"}
            << QStringList{"EA1AA|2025-06-15 12:00:00|20M|CW|281",
                           "EA1AA|2025-06-15 13:00:00|40M|CW|281"}
            << QStringList{"DXCC", "Band"} << false;
        QTest::newRow("two QSLs of one slot: the second brings nothing")
            << QStringList{"EA1AA|2025-06-15 12:00:00|20m|CW|281",
                           "EA2BB|2025-06-15 13:00:00|20m|CW|281"}
            << QStringList{"EA1AA|2025-06-15 12:00:00|20M|CW|281",
                           "EA2BB|2025-06-15 13:00:00|20M|CW|281"}
            << QStringList{"DXCC", ""} << false;
        QTest::newRow("a paper-confirmed entity: LoTW credits and the new mode class")
            << QStringList{"EA1AA|2025-06-15 11:00:00|20m|SSB|281", "EA1AA|2025-06-15 12:00:00"
                                                                    "|20m|CW|281"}
            << QStringList{"EA1AA|2025-06-15 12:00:00|20M|CW|281"} << QStringList{"DXCC-L, Mode"}
            << true;
    }

    void creditsWithinOneRun()
    {
        QFETCH(QStringList, logged);
        QFETCH(QStringList, qsls);
        QFETCH(QStringList, notes);
        QFETCH(bool, paperFirst);
        f.storeEntries(logged);
        if (paperFirst) {
            db::Database database;
            QCOMPARE(database.open(f.logbookPath()), 0);
            QVERIFY(database.exec("update logbook set qsl='R' where id=1"));
        }
        {
            // The stored summary the run starts from.
            QslSession before(f.logbookPath(), formats::DateStyle::Short);
            QVERIFY(before.refreshDxInfo(281, "EA"));
            QVERIFY(before.commit());
        }
        const lotw::Applied applied = apply(QslFixture::lotwReport(qsls), false);
        QVERIFY2(applied.ok, qPrintable(applied.error));
        QStringList shown;
        for (const QslRow &row : applied.rows)
            shown << row.note;
        QCOMPARE(shown, notes);
        // The stored summary follows the run: the entity is LoTW-confirmed now.
        QVERIFY(f.app->log().dxCfdLotw(281));
    }

    void gridAndIotaCredits_data()
    {
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QStringList>("qsls"); // further ADIF of each QSL
        QTest::addColumn<QStringList>("notes");
        const QString grid = QString::fromLatin1(QslFixture::field("GRIDSQUARE", "jn58"));
        const QString island = QString::fromLatin1(QslFixture::field("IOTA", "EU-005"));
        QTest::newRow("a new square on 10m is credited once")
            << QStringList{"DL1AA|2025-06-15 12:00:00|10m|CW", "DL2BB|2025-06-15 12:10:00|10m|CW"}
            << QStringList{grid, grid} << QStringList{"DXCC, Grid", ""};
        QTest::newRow("below 10m no grid credit") << QStringList{"DL1AA|2025-06-15 12:00:00|20m|CW"}
                                                  << QStringList{grid} << QStringList{"DXCC"};
        QTest::newRow("a square worked before only on paper is a LoTW credit")
            << QStringList{"DL9ZZ|2025-06-14 12:00:00|10m|CW|230|||JN58AA|R",
                           "DL1AA|2025-06-15 12:00:00|10m|CW"}
            << QStringList{grid} << QStringList{"DXCC, Grid-L"};
        QTest::newRow("a new island is credited once")
            << QStringList{"G1AA|2025-06-15 12:00:00|20m|CW", "G2BB|2025-06-15 12:10:00|20m|CW"}
            << QStringList{island, island} << QStringList{"DXCC, IOTA", ""};
    }

    void gridAndIotaCredits()
    {
        QFETCH(QStringList, logged);
        QFETCH(QStringList, qsls);
        QFETCH(QStringList, notes);
        QList<QsoClass> qsos;
        for (const QString &entry : logged) {
            const QStringList p = entry.split('|');
            QsoClass q = QslFixture::qso(p[0], p[1]);
            q.band = p[2];
            q.locator = p.value(7);
            q.qsl = p.value(8);
            qsos << q;
        }
        f.store(qsos);
        QStringList report;
        for (qsizetype i = 0; i < qsls.size(); ++i) {
            const QStringList p = logged.at(logged.size() - qsls.size() + i).split('|');
            report << p[0] + '|' + p[1] + '|' + p[2].toUpper() + "|CW|230|" + qsls.at(i);
        }
        const lotw::Applied applied = apply(QslFixture::lotwReport(report), true);
        QVERIFY2(applied.ok, qPrintable(applied.error));
        QStringList shown;
        for (const QslRow &row : applied.rows)
            shown << row.note;
        QCOMPARE(shown, notes);
    }

    void queryValuesArriveIntact()
    {
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi", {200, QslFixture::lotwReport({}), false});
        const QString password = QStringLiteral("p&ss=w+rd;%20 ü");
        download(server, {"k1 abc", password, "K1ABC/P", "2024-03-01 12:00:00", true});
        QCOMPARE(server.requests().size(), 1);
        const QByteArray query = server.requests().first().query();
        QVERIFY2(!query.contains(' ') && !query.contains('+'), query.constData());
        QStringList pairs;
        for (const QByteArray &item : query.split('&')) {
            const QList<QByteArray> kv = item.split('=');
            QCOMPARE(kv.size(), 2);
            pairs << QString::fromUtf8(QByteArray::fromPercentEncoding(kv[0])) + "=" +
                         QString::fromUtf8(QByteArray::fromPercentEncoding(kv[1]));
        }
        QCOMPARE(pairs, QStringList({"login=k1 abc", "password=" + password, "qso_query=1",
                                     "qso_qsl=yes", "qso_qslsince=2024-03-01 12:00:01",
                                     "qso_qsldetail=yes", "qso_owncall=K1ABC/P"}));
    }

    void sinceIsLeftOutWithoutAFullDate()
    {
        // A short date, and the open end of a logbook that never received a QSL.
        for (const char *last : {"2099-12-31 23:59", "2099-12-31 23:59:59"})
            QCOMPARE(LotwDownload::query({"u", "p", "", last, false}).size(), 4);
    }

    void replies_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<QString>("lastStatus");
        QTest::addColumn<bool>("pageShown");
        const QStringList two = {"DL1AA|2025-06-15 12:00:00", "DL2BB|2025-06-15 12:05:00"};
        const QByteArray report = QslFixture::lotwReport(two);
        QTest::newRow("a report is applied") << 200 << report << true
                                             << "2 QSL(s) rcvd, 1 QSO(s) not in log, 0 QSO(s) "
                                                "corrected"
                                             << false;
        QTest::newRow("the login error page changes nothing")
            << 200
            << QByteArray("<html><head><title>LoTW</title></head><body>Username/password "
                          "incorrect</body></html>")
            << false << qsltexts::kDownloadError << true;
        QTest::newRow("a server error page changes nothing")
            << 500 << QByteArray("<html>Internal error</html>") << false << qsltexts::kDownloadError
            << true;
        QTest::newRow("a report cut off in its last record changes nothing")
            << 200 << report.left(report.lastIndexOf("<eor>") - 5) << false
            << "The report is incomplete (1 of 2 QSLs): nothing was changed" << false;
        QTest::newRow("a report cut off after a record changes nothing")
            << 200 << report.left(report.indexOf("<eor>") + 5) << false
            << "The report is incomplete (1 of 2 QSLs): nothing was changed" << false;
        QTest::newRow("a report without its count changes nothing")
            << 200 << QByteArray(report).replace("APP_LoTW_NUMREC", "APP_LoTW_XXXXXX") << false
            << "The report is incomplete (2 of ? QSLs): nothing was changed" << false;
    }

    void replies()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, applied);
        QFETCH(QString, lastStatus);
        QFETCH(bool, pageShown);
        f.storeEntries({"DL1AA|2025-06-15 12:00:00"});
        f.app->log().saveLotwPrefs({{"lotwlastqsl", "2025-06-01 00:00:00"}});
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi", {status, body, false});
        f.announced.clear();
        const Run run = download(server, {"u", "p", "", "2025-06-01 00:00:00", false});
        QCOMPARE(run.applied.ok, applied);
        QCOMPARE(run.statuses.value(run.statuses.size() - 1), lastStatus);
        QCOMPARE(!run.pages.isEmpty(), pageShown);
        QCOMPARE(f.column("lotwqsl"), QStringList{applied ? "X" : ""});
        QCOMPARE(pref("lotwlastqsl"),
                 applied ? QStringLiteral("2025-06-15 12:30:00") : "2025-06-01 00:00:00");
        QCOMPARE(f.announced.contains("qsosChanged"), applied);
    }

    void emptyReport()
    {
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi", {200, QslFixture::lotwReport({}), false});
        f.announced.clear();
        const Run run = download(server, {"u", "p", "", "", false});
        QVERIFY(run.applied.ok);
        QCOMPARE(run.statuses.last(), QString::fromLatin1(qsltexts::kNoNewQsls));
        QVERIFY(!f.announced.contains("qsosChanged"));
    }

    void slowReplyTimesOut()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00"});
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi", {200, {}, true});
        QElapsedTimer clock;
        clock.start();
        const Run run = download(server, {"u", "secret-pw", "", "", false}, 300);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!run.applied.ok);
        QCOMPARE(run.statuses.last(), QStringLiteral("The server did not answer in time"));
        QCOMPARE(f.column("lotwqsl"), QStringList{""});
    }

    /** A server that sends a byte now and then is never silent long enough for the time-out;
     *  the overall deadline ends the download all the same. */
    void tricklingReplyMeetsTheDeadline()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00"});
        LoopbackHttpServer server;
        server.answer(
            "/lotwuser/lotwreport.adi",
            {200, QslFixture::lotwReport({"DL1AA|2025-06-15 12:00:00|20M|CW|"}), false, 50});
        f.app->defaults().setValue(QStringLiteral("LotwHost"), server.url());
        QNetworkAccessManager network;
        HttpClient http(network, 300);
        http.setDeadlineMs(600);
        LotwDownload run(http, f.app->defaults(), f.app->clock());
        QEventLoop loop;
        lotw::Applied applied;
        bool finished = false;
        QStringList statuses;
        connect(&run, &LotwDownload::statusChanged, &loop,
                [&statuses](const QString &text, bool) { statuses << text; });
        connect(&run, &LotwDownload::finished, &loop, [&](const lotw::Applied &result) {
            applied = result;
            finished = true;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QVERIFY(run.download({"u", "p", "", "", false}, f.app->log(),
                             lotw::entityTable(f.app->dxcc())));
        loop.exec();
        QVERIFY(finished);
        QVERIFY(!applied.ok);
        QCOMPARE(statuses.value(statuses.size() - 1),
                 QStringLiteral("The server did not answer in time"));
        QCOMPARE(f.column("lotwqsl"), QStringList{""});
    }

    void oversizedReplyIsRefused()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00"});
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi",
                      {200, QByteArray(lotw::kHeading) + QByteArray(64 * 1024, ' ')});
        const Run run = download(server, {"u", "pw", "", "", false}, 5000, 4096);
        QVERIFY(!run.applied.ok);
        QCOMPARE(run.statuses.last(), QStringLiteral("The server's reply is too large"));
        QCOMPARE(f.column("lotwqsl"), QStringList{""});
    }

    void logsNeverShowThePassword()
    {
        // A port nobody listens on: the failure is logged, without the query.
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        f.app->defaults().setValue("LotwHost", QStringLiteral("http://127.0.0.1:%1").arg(port));
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        QNetworkAccessManager network;
        HttpClient http(network, 5000);
        LotwDownload run(http, f.app->defaults(), f.app->clock());
        QStringList statuses;
        connect(&run, &LotwDownload::statusChanged, this,
                [&statuses](const QString &text, bool) { statuses << text; });
        bool finished = false;
        QEventLoop loop;
        connect(&run, &LotwDownload::finished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (run.download({"k1abc", "s3cret!pw", "", "", false}, f.app->log(), {}))
            loop.exec();
        qInstallMessageHandler(previous);
        QVERIFY(finished);
        QVERIFY(!messages.isEmpty());
        for (const QString &line : messages + statuses)
            QVERIFY2(!line.contains("s3cret") && !line.contains("login="), qPrintable(line));
    }

    /** Stored replies (data/lotw/) against what is read from them: every value the field
     *  cannot hold counts as not given, so it can never replace a good value in the logbook; a
     *  last-QSL time more than a day ahead of this machine's clock is not kept. */
    void reportFiles_data() { expected::addInputRows(BRINDLEWICK_TEST_DATA "/lotw"); }

    void reportFiles()
    {
        QFETCH(QString, input);
        const lotw::Report report = lotw::parseReport(expected::readAll(input), kNow);
        QJsonArray confirmations;
        for (const QsoClass &q : report.confirmations) {
            QJsonObject o{{"callsign", q.callsign},
                          {"dateTime", q.dateTime.toString(Qt::ISODate)},
                          {"band", q.band},
                          {"mode", q.mode},
                          {"adif", q.adif}};
            const QList<std::pair<const char *, QString>> details{
                {"cnt", q.cnt},         {"cq", q.cq},       {"itu", q.itu},      {"iota", q.iota},
                {"locator", q.locator}, {"state", q.state}, {"county", q.county}};
            for (const auto &[name, value] : details)
                if (!value.isEmpty())
                    o.insert(QLatin1String(name), value);
            confirmations << o;
        }
        COMPARE_EXPECTED(input, (QJsonObject{{"isReport", report.isReport},
                                             {"complete", report.isComplete()},
                                             {"declaredCount", report.declaredCount},
                                             {"recordCount", report.recordCount},
                                             {"lastQsl", report.lastQsl},
                                             {"confirmations", confirmations}}));
    }
};

QTEST_GUILESS_MAIN(TestLotw)
#include "tst_lotw.moc"
