// The QRZ and HamQTH lookup: the reply reader, the session against loopback fakes of both
// services, the rows and the record the entry form takes, the page's view-model and the CLI.

#include "../cli/CliRun.h"
#include "ExpectedOutput.h"
#include "LoopbackHttpServer.h"
#include "formats/TextCoding.h"
#include "model/QsoClass.h"
#include "services/LookupReply.h"
#include "services/LookupResult.h"
#include "services/LookupScreen.h"
#include "services/LookupSession.h"
#include "services/LookupTexts.h"

#include "../shell/ShellFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>

using lookup::Service;

namespace {

/** One of the two services as seen from outside: it checks the password, issues keys, and
 *  answers lookups for the stations it knows. A key that "never works" is refused on every
 *  lookup even right after it was issued. */
struct FakeService {
    Service service = Service::Qrz;
    QString password = QStringLiteral("secret");
    QStringList validKeys;
    bool keysNeverWork = false;
    QByteArray fixedReply; // when set, the answer to everything
    int issued = 0;
    QList<QHash<QString, QString>> queries; // every request's decoded query, in order

    [[nodiscard]] bool qrz() const { return service == Service::Qrz; }

    LoopbackHttpServer::Answer answer(const LoopbackHttpServer::Request &request)
    {
        QHash<QString, QString> q;
        for (const QByteArray &pair : request.query().split(qrz() ? ';' : '&')) {
            const qsizetype eq = pair.indexOf('=');
            q.insert(QString::fromUtf8(pair.left(eq)), QUrl::fromPercentEncoding(pair.mid(eq + 1)));
        }
        queries << q;
        if (!fixedReply.isEmpty())
            return {200, fixedReply, false};
        if (q.contains(qrz() ? "username" : "u"))
            return {200, login(q.value(qrz() ? "password" : "p")), false};
        return {200, search(q.value(qrz() ? "s" : "id"), q.value("callsign")), false};
    }

    QByteArray login(const QString &given)
    {
        if (given != password)
            return qrz() ? "<?xml version=\"1.0\"?><QRZDatabase version=\"1.34\"><Session>"
                           "<Error>Username/password incorrect </Error></Session></QRZDatabase>"
                         : "<?xml version=\"1.0\"?><HamQTH version=\"2.8\"><session>"
                           "<error>Wrong user name or password</error></session></HamQTH>";
        const QString key = QStringLiteral("key%1abcdef").arg(++issued);
        validKeys << key;
        if (qrz())
            return "<?xml version=\"1.0\"?>\n<QRZDatabase version=\"1.34\">\n\t<Session>\n\t<Key>" +
                   key.toUtf8() +
                   "</Key>\n<Count>123</Count>\n<SubExp>Wed Jan 1 2027</SubExp>"
                   "</Session>\n</QRZDatabase>\n";
        return "<?xml version=\"1.0\"?><HamQTH version=\"2.8\"><session><session_id>" +
               key.toUtf8() + "</session_id></session></HamQTH>";
    }

    QByteArray search(const QString &key, const QString &callsign)
    {
        if (keysNeverWork || !validKeys.contains(key))
            return qrz() ? "<QRZDatabase><Session><Error>Invalid session key</Error></Session>"
                           "</QRZDatabase>"
                         : "<HamQTH><session><error>Session does not exist or expired</error>"
                           "</session></HamQTH>";
        if (callsign == QLatin1String("K4XYZ"))
            return "<QRZDatabase><Callsign><call>k4xyz</call><state>FL</state>"
                   "<county>Dade</county></Callsign></QRZDatabase>";
        if (callsign != QLatin1String("W1AW") && callsign != QLatin1String("DL1ABC"))
            return qrz() ? "<QRZDatabase><Session><Error>Not found: " + callsign.toUtf8() +
                               "</Error><Key>" + key.toUtf8() + "</Key></Session></QRZDatabase>"
                         : "<HamQTH><session><error>Callsign not found</error></session></HamQTH>";
        if (qrz())
            return "<QRZDatabase><Callsign><call>" + callsign.toLower().toUtf8() +
                   "</call><fname>Hiram</fname><name>Maxim</name><addr2>Newington</addr2>"
                   "<state>CT</state><county>Hartford</county><grid>fn31pr</grid>"
                   "<email>w1aw@example.org</email></Callsign><Session><Key>" +
                   key.toUtf8() + "</Key><Count>124</Count></Session></QRZDatabase>";
        return "<HamQTH><search><callsign>" + callsign.toLower().toUtf8() +
               "</callsign><nick>Hans</nick><qth>12345 Berlin</qth><grid>JO62</grid>"
               "<dok>D01</dok></search></HamQTH>";
    }
};

struct Run {
    lookup::LookupOutcome outcome;
    QStringList steps; // "login" / "query" per request
    QList<LoopbackHttpServer::Request> requests;
};

} // namespace

class TestLookup : public QObject {
    Q_OBJECT

    ShellFixture f;

    Run lookUp(FakeService &fake, const lookup::LookupAccount &account, const QString &callsign)
    {
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) { return fake.answer(r); });
        f.app->defaults().setValue(fake.qrz() ? "QrzHost" : "HamQthHost", server.url());
        QNetworkAccessManager network;
        HttpClient http(network, 10000);
        lookup::LookupSession session(http, f.app->defaults());
        QSignalSpy done(&session, &lookup::LookupSession::finished);
        session.lookUp(account, callsign);
        if (done.isEmpty())
            done.wait(15000);
        Run run;
        if (done.size() == 1)
            run.outcome = done.first().first().value<lookup::LookupOutcome>();
        for (const auto &q : std::as_const(fake.queries))
            run.steps << (q.contains(fake.qrz() ? "username" : "u") ? "login" : "query");
        run.requests = server.requests();
        return run;
    }

    static lookup::LookupAccount account(Service service, const QString &user = "me",
                                         const QString &password = "secret")
    {
        return {service, user, password};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<lookup::LookupOutcome>();
    }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    // --- The reader -------------------------------------------------------------------------

    /** Stored replies of both services and hostile bytes (data/lookup/) against the flat table
     *  read from them: nesting dropped, a later element of a name wins, entities and CDATA are
     *  text; anything not well-formed, and every DTD, is refused whole. */
    void readerFiles_data() { expected::addInputRows(BRINDLEWICK_TEST_DATA "/lookup"); }

    void readerFiles()
    {
        QFETCH(QString, input);
        const lookup::LookupReply reply = lookup::parseLookupReply(expected::readAll(input));
        QJsonObject items;
        for (auto it = reply.items.cbegin(); it != reply.items.cend(); ++it)
            items.insert(it.key(), it.value());
        QVERIFY(reply.ok || (items.isEmpty() && reply.errorCode != 0));
        COMPARE_EXPECTED(
            input,
            (QJsonObject{{"ok", reply.ok}, {"errorCode", reply.errorCode}, {"items", items}}));
    }

    void readerRefusesOversizedInput_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("closed deep nesting")
            << QByteArray("<a>").repeated(lookup::kMaxDepth + 1) +
                   QByteArray("</a>").repeated(lookup::kMaxDepth + 1);
        QTest::newRow("too many elements")
            << "<a>" + QByteArray("<b/>").repeated(lookup::kMaxElements + 1) + "</a>";
        QTest::newRow("a text too long")
            << "<a>" + QByteArray("x").repeated(lookup::kMaxTextChars + 1) + "</a>";
        QTest::newRow("larger than any reply")
            << "<a><b>" + QByteArray(lookup::kMaxReplyBytes, ' ') + "</b></a>";
    }

    void readerRefusesOversizedInput()
    {
        QFETCH(QByteArray, xml);
        const lookup::LookupReply reply = lookup::parseLookupReply(xml);
        QVERIFY(!reply.ok);
        QVERIFY(reply.items.isEmpty());
        QVERIFY(reply.errorCode != 0);
    }

    // --- Sessions against the fakes --------------------------------------------------------

    void sessionLogsInOnlyWhenNeeded_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QString>("cachedKey");
        QTest::addColumn<QString>("cachedUser");
        QTest::addColumn<int>(
            "keys"); // 0: the cached key is stale, 1: it works, 2: none ever works
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("alert"); // empty: rows
        for (const Service s : {Service::Qrz, Service::HamQth}) {
            const bool qrz = s == Service::Qrz;
            const QString expired =
                qrz ? "Invalid session key" : "Session does not exist or expired";
            const auto row = [s](const char *what, const char *key, const char *user, int keys,
                                 const char *steps, const QString &alert = {},
                                 const char *password = "secret", const char *call = "W1AW") {
                const QByteArray name =
                    (s == Service::Qrz ? "qrz: " : "hamqth: ") + QByteArray(what);
                QTest::newRow(name.constData())
                    << int(s) << QString(key) << QString(user) << keys << QString(password)
                    << QString(call) << QString(steps) << alert;
            };
            row("cached key works: no login", "cached12345", "me", 1, "query");
            row("no key: login first", "", "", 0, "login query");
            row("4-character key: login first", "abcd", "me", 1, "login query");
            row("another user's key is not used", "cached12345", "someoneelse", 1, "login query");
            row("expired key: one new login, then the result", "old12345", "me", 0,
                "query login query");
            row("a key that never works: one new login, then its error", "old12345", "me", 2,
                "query login query", expired);
            row("a key that never works, no cached key: no second login", "", "", 2, "login query",
                expired);
            row("wrong password", "", "", 0, "login",
                qrz ? "Username/password incorrect" : "Wrong user name or password", "wrong");
            row("not found", "cached12345", "me", 1, "query",
                qrz ? "Not found: XX9XX" : "Callsign not found", "secret", "XX9XX");
        }
    }

    void sessionLogsInOnlyWhenNeeded()
    {
        QFETCH(int, service);
        QFETCH(QString, cachedKey);
        QFETCH(QString, cachedUser);
        QFETCH(int, keys);
        QFETCH(QString, password);
        QFETCH(QString, callsign);
        QFETCH(QString, steps);
        QFETCH(QString, alert);
        const Service s = Service(service);
        const bool qrz = s == Service::Qrz;
        FakeService fake;
        fake.service = s;
        fake.keysNeverWork = keys == 2;
        if (keys == 1)
            fake.validKeys << cachedKey;
        const QString keyName = qrz ? "QRZ_SessionKey" : "HamQTH_SessionKey";
        const QString userName = qrz ? "QRZ_SessionUser" : "HamQTH_SessionUser";
        f.app->defaults().setValue(keyName, cachedKey);
        f.app->defaults().setValue(userName, cachedUser);
        const Run run = lookUp(fake, account(s, "me", password), callsign);
        QCOMPARE(run.steps.join(' '), steps);
        QCOMPARE(run.outcome.ok, alert.isEmpty());
        QCOMPARE(run.outcome.alertText, alert);
        if (!alert.isEmpty())
            QCOMPARE(run.outcome.alertTitle,
                     QString(qrz ? "Error parsing QRZ" : "Error parsing HamQTH"));
        else
            QCOMPARE(run.outcome.items.value(qrz ? "call" : "callsign"), callsign.toLower());
        // A key issued now is kept for the next lookup, with the user it belongs to.
        if (fake.issued > 0) {
            QCOMPARE(f.app->defaults().string(keyName), fake.validKeys.last());
            QCOMPARE(f.app->defaults().string(userName), QStringLiteral("me"));
        }
    }

    void accountValuesAreEncodedOneByOne_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QByteArray>("loginQuery");
        QTest::addColumn<QByteArray>("lookupQuery");
        QTest::newRow("qrz joins with ;")
            << int(Service::Qrz)
            << QByteArray("username=m%3Be%26x;password=p%26s%3Bw%3Drd%20%25%2B;agent=Quellbrand")
            << QByteArray("s=key1abcdef;callsign=W1AW;agent=Quellbrand");
        QTest::newRow("hamqth joins with &")
            << int(Service::HamQth) << QByteArray("u=m%3Be%26x&p=p%26s%3Bw%3Drd%20%25%2B")
            << QByteArray("id=key1abcdef&callsign=W1AW&prg=Brindlewick");
    }

    void accountValuesAreEncodedOneByOne()
    {
        QFETCH(int, service);
        QFETCH(QByteArray, loginQuery);
        QFETCH(QByteArray, lookupQuery);
        FakeService fake;
        fake.service = Service(service);
        fake.password = "p&s;w=rd %+";
        const Run run = lookUp(fake, account(fake.service, "m;e&x", fake.password), "W1AW");
        QVERIFY(run.outcome.ok);
        QCOMPARE(run.requests.size(), 2);
        QCOMPARE(run.requests.at(0).query(), loginQuery);
        QCOMPARE(run.requests.at(1).query(), lookupQuery);
        QCOMPARE(run.requests.at(0).path(), QByteArray(fake.qrz() ? "/xml/current/" : "/xml.php"));
    }

    void failuresBecomeAlerts()
    {
        // A reply that is no XML: logged, no rows, the reader's error code.
        FakeService fake;
        fake.fixedReply = "<QRZDatabase><Session>";
        f.app->defaults().setValue("QRZ_SessionKey", "cached12345");
        f.app->defaults().setValue("QRZ_SessionUser", "me");
        QTest::ignoreMessage(QtInfoMsg, "Error occurred during xml processing");
        Run run = lookUp(fake, account(Service::Qrz), "W1AW");
        QVERIFY(!run.outcome.ok && run.outcome.items.isEmpty());
        QCOMPARE(run.outcome.alertTitle, QStringLiteral("Error parsing QRZ"));
        QCOMPARE(run.outcome.alertText, QStringLiteral("Error code 4"));

        // No account: said at once, nothing sent.
        run = lookUp(fake, account(Service::HamQth, "", ""), "W1AW");
        QCOMPARE(run.outcome.alertText, QStringLiteral("User name or password missing"));
        QVERIFY(run.requests.isEmpty());

        // Nobody listens on the port: the network's words.
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        f.app->defaults().setValue("QrzHost", QStringLiteral("http://127.0.0.1:%1").arg(port));
        QNetworkAccessManager network;
        HttpClient http(network, 10000);
        lookup::LookupSession session(http, f.app->defaults());
        QSignalSpy done(&session, &lookup::LookupSession::finished);
        session.lookUp(account(Service::Qrz), "W1AW");
        QVERIFY(done.wait(15000));
        const auto outcome = done.takeFirst().first().value<lookup::LookupOutcome>();
        QCOMPARE(outcome.alertTitle, QStringLiteral("Error parsing xml:"));
        QVERIFY2(outcome.alertText.contains("connection refused"), qPrintable(outcome.alertText));
        QVERIFY(!session.busy());
    }

    // --- Rows and the record ---------------------------------------------------------------

    void pageShowsRowsInTheServiceOrder()
    {
        QNetworkAccessManager network;
        LookupScreen screen(f.app->defaults(), f.app->secrets(), network);
        screen.showReply(Service::Qrz, "W1AW",
                         "<QRZDatabase><Callsign><url>www.arrl.org</url><call>w1aw</call>"
                         "<addr1>225 Main St</addr1><email>w1aw@arrl.org</email>"
                         "<image>https://x/y.jpg</image><lat>41.714775</lat><grid>fn31pr</grid>"
                         "<lon>-72.727260</lon></Callsign><Session><SubExp>2027</SubExp><Key>k"
                         "</Key><Count>124</Count></Session></QRZDatabase>");
        QStringList shown;
        for (const QVariant &row : screen.rows())
            shown << row.toMap().value("name").toString() + '=' +
                         row.toMap().value("value").toString();
        // No street line, no key; "My account:" heads the account's counters.
        QCOMPARE(shown,
                 (QStringList{"call=W1AW", "grid=FN31PR", "lat=41.714775", "lon=-72.727260",
                              "email=w1aw@arrl.org", "url=www.arrl.org", "image=https://x/y.jpg",
                              "My account:=", "Count=124", "SubExp=2027"}));
        QCOMPARE(screen.callsign(), QStringLiteral("W1AW"));
        QCOMPARE(screen.rowUrl(0), QString());
        QCOMPARE(screen.rowUrl(4), QStringLiteral("mailto:w1aw@arrl.org"));
        QCOMPARE(screen.rowUrl(5), QStringLiteral("http://www.arrl.org"));
        QCOMPARE(screen.rowUrl(6), QString());
        QCOMPARE(screen.rowUrl(99), QString());
        QCOMPARE(screen.pictureUrl(), QStringLiteral("https://x/y.jpg"));
        QCOMPARE(lookup::webAddress("HTTPS://qrz.com"), QStringLiteral("HTTPS://qrz.com"));
    }

    void mapAndLinks_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("mapLocator");
        const auto row = [](const char *what, const char *grid, const char *lat,
                            const char *locator) {
            QTest::newRow(what) << QString(grid) << QString(lat) << QString(locator);
        };
        row("4-character grid taken at AA", "jo62", "", "JO62AA");
        row("no grid, no position", "", "", "");
        row("a grid that is none", "ZZ99", "", "");
        row("a latitude out of range falls back to the grid", "JO62", "123", "JO62AA");
        row("a latitude that is no number", "JO62", "nan", "JO62AA");
        row("coordinates win over the grid", "JO62", "52.52", "JO62QM");
    }

    void mapAndLinks()
    {
        QFETCH(QString, grid);
        QFETCH(QString, lat);
        QFETCH(QString, mapLocator);
        QHash<QString, QString> items{{"callsign", "dl1abc"}};
        if (!grid.isEmpty())
            items.insert("grid", grid);
        if (!lat.isEmpty())
            items.insert({{"latitude", lat}, {"longitude", "13.4"}});
        QCOMPARE(lookup::mapLocator(lookup::resultFrom(Service::HamQth, items)), mapLocator);
    }

    void qthLosesItsPostalCode_data()
    {
        QTest::addColumn<QString>("qth");
        QTest::addColumn<QString>("cleaned");
        const auto row = [](const char *what, const char *qth, const char *cleaned) {
            QTest::newRow(what) << QString(qth) << QString(cleaned);
        };
        row("postal code, space, town", "12345 Berlin", "Berlin");
        row("only digits and spaces", "1234 5", "");
        row("one digit is kept", "7", "7");
        row("letters first stay", "D-12345 Berlin", "D-12345 Berlin");
        row("digits inside stay", "Berlin 12", "Berlin 12");
    }

    void qthLosesItsPostalCode()
    {
        QFETCH(QString, qth);
        QFETCH(QString, cleaned);
        QCOMPARE(lookup::cleanQth(qth), cleaned);
        const lookup::LookupResult r =
            lookup::resultFrom(Service::HamQth, {{"qth", qth}, {"callsign", "x"}});
        QCOMPARE(r.rows.at(1).value, cleaned);
        QCOMPARE(lookup::qsoFrom(Service::HamQth, {{"qth", qth}}, "DL1ABC").qth, cleaned);
    }

    void recordTakesTheUsefulFields_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QVariantMap>("items");
        QTest::addColumn<QString>(
            "expected"); // call|name|qth|itu|cq|locator|state|county|iota|manager
        QTest::newRow("qrz: county FL,DADE")
            << int(Service::Qrz)
            << QVariantMap{{"call", "k4xyz"},  {"fname", "Ann"},   {"addr2", "Miami"},
                           {"ituzone", "8"},   {"cqzone", "5"},    {"grid", "el95tt"},
                           {"state", "FL"},    {"county", "Dade"}, {"iota", "NA-001"},
                           {"qslmgr", "W4QM"}, {"name", "Smith"}}
            << "K4XYZ|Ann|Miami|8|5|EL95TT|FL|FL,DADE|NA-001|W4QM";
        QTest::newRow("qrz: absent fields stay empty, the asked call stays")
            << int(Service::Qrz) << QVariantMap{{"fname", "Bo"}} << "W1AW|Bo||||||||";
        QTest::newRow("qrz: a short county is not prefixed")
            << int(Service::Qrz) << QVariantMap{{"state", "FL"}, {"county", "Da"}}
            << "W1AW||||||FL|DA||";
        QTest::newRow("qrz: no state, county as it is")
            << int(Service::Qrz) << QVariantMap{{"county", "Dade"}} << "W1AW|||||||DADE||";
        QTest::newRow("hamqth: dok goes into the state")
            << int(Service::HamQth)
            << QVariantMap{{"callsign", "dl1abc"}, {"nick", "Hans"}, {"qth", "12345 Berlin"},
                           {"itu", "28"},          {"cq", "14"},     {"grid", "jo62qm"},
                           {"us_state", "NY"},     {"dok", "D01"},   {"qsl_via", "bureau"},
                           {"iota", "EU-057"}}
            << "DL1ABC|Hans|Berlin|28|14|JO62QM|D01||EU-057|bureau";
        QTest::newRow("hamqth: US state and county")
            << int(Service::HamQth)
            << QVariantMap{{"callsign", "w1aw"}, {"us_state", "ct"}, {"us_county", "Hartford"}}
            << "W1AW||||||ct|CT,HARTFORD||";
    }

    void recordTakesTheUsefulFields()
    {
        QFETCH(int, service);
        QFETCH(QVariantMap, items);
        QFETCH(QString, expected);
        QHash<QString, QString> hash;
        for (auto it = items.cbegin(); it != items.cend(); ++it)
            hash.insert(it.key(), it.value().toString());
        const QsoClass q = lookup::qsoFrom(Service(service), hash, "w1aw");
        const QStringList got{q.callsign, q.name,  q.qth,    q.itu,  q.cq,
                              q.locator,  q.state, q.county, q.iota, q.manager};
        QCOMPARE(got.join('|'), expected);
    }

    // --- The page ---------------------------------------------------------------------------

    void pageHandsTheRecordToTheEntryForm()
    {
        f.app->defaults().setValue("SegQthQrz", 0);
        f.app->defaults().setValue("HamQTH_UserName", "me");
        f.app->defaults().setValue("HamQRH_PassWord", formats::base64FromText("secret"));
        FakeService fake;
        fake.service = Service::HamQth;
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) { return fake.answer(r); });
        f.app->defaults().setValue("HamQthHost", server.url());
        QNetworkAccessManager network;
        LookupScreen screen(f.app->defaults(), f.app->secrets(), network);
        QSignalSpy taken(&screen, &LookupScreen::stationTaken);
        QSignalSpy end(&screen, &LookupScreen::endLocatorFound);
        QSignalSpy closed(&screen, &LookupScreen::closeRequested);
        screen.useForNewQso(); // nothing to use yet
        QVERIFY(taken.isEmpty());
        screen.lookUp(" dl1abc");
        QVERIFY(screen.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!screen.busy(), 15000);
        QCOMPARE(screen.alertText(), QString());
        QCOMPARE(screen.callsign(), QStringLiteral("DL1ABC"));
        QCOMPARE(screen.mapLocator(), QStringLiteral("JO62AA"));
        QCOMPARE(end.size(), 1);
        QCOMPARE(end.at(0).at(0).toString(), QStringLiteral("JO62AA"));
        QVERIFY(screen.canUse());
        screen.useForNewQso();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(taken.size(), 1);
        QCOMPARE(taken.at(0).at(0).value<QsoClass>().callsign, QStringLiteral("DL1ABC"));
    }

    // --- The CLI ----------------------------------------------------------------------------

    void cliLooksUpWithTheSettingsAccount_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // a line of the output, or the error's words
        QTest::newRow("qrz, json")
            << QStringList{"lookup", "k4xyz", "--service", "qrz", "--json"} << 0 << "FL,DADE";
        QTest::newRow("qrz, text")
            << QStringList{"lookup", "W1AW", "--service", "QRZ"} << 0 << "call: W1AW";
        QTest::newRow("not found")
            << QStringList{"lookup", "XX9XX", "--service", "qrz"} << 2 << "Not found: XX9XX";
        QTest::newRow("unknown service")
            << QStringList{"lookup", "W1AW", "--service", "callbook"} << 1 << "Usage:";
    }

    void cliLooksUpWithTheSettingsAccount()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        // The services' own HTTPS hosts unless the user points elsewhere.
        QCOMPARE(f.app->defaults().string("QrzHost"), QStringLiteral("https://xmldata.qrz.com"));
        QCOMPARE(f.app->defaults().string("HamQthHost"), QStringLiteral("https://www.hamqth.com"));
        FakeService fake;
        fake.password = QString::fromUtf8("s\xc3\xa4"
                                          "cret;&"); // stored as base64 of its UTF-8
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) { return fake.answer(r); });
        f.app->defaults().setValue("QrzHost", server.url());
        f.app->defaults().setValue("QRZ_UserName", "me");
        f.app->defaults().setValue("QRZ_PassWord", formats::base64FromText(fake.password));
        f.app->defaults().sync();
        f.app.reset();
        // The server answers on this thread: wait for the CLI without blocking it.
        QProcess process;
        process.start(QStringLiteral(BRINDLEWICK_CLI),
                      QStringList{"--data-dir", f.dir->path()} + arguments);
        QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 30000);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY2((exitCode == 0 ? out : err).contains(expected), qPrintable(out + err));
        QVERIFY(!(out + err).contains("cret"));
        if (arguments.contains("--json")) {
            const QJsonObject o = QJsonDocument::fromJson(out.toUtf8()).object();
            QCOMPARE(o.value("qso").toObject().value("county").toString(), expected);
        }
        // The key the run got is kept for the next one.
        if (exitCode == 0) {
            f.app = std::make_unique<AppDelegate>(DataFolder::at(f.dir->path()));
            QCOMPARE(f.app->defaults().string("QRZ_SessionKey"), QStringLiteral("key1abcdef"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
