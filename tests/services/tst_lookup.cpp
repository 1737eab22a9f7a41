// The QRZ and HamQTH lookup: the reply reader, the session against loopback fakes of both
// services, the rows and the record the entry form takes, the page's view-model and the CLI.

#include "../cli/CliRun.h"
#include "LoopbackHttpServer.h"
#include "app/Notifications.h"
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
        return run;
    }

    static lookup::LookupAccount account(Service service, const QString &user = "me",
                                         const QString &password = "secret")
    {
        return {service, user, password};
    }

    static QString keyName(Service s)
    {
        return s == Service::Qrz ? "QRZ_SessionKey" : "HamQTH_SessionKey";
    }
    static QString userName(Service s)
    {
        return s == Service::Qrz ? "QRZ_SessionUser" : "HamQTH_SessionUser";
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

    void readerFlattensTheReply_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("newlines and tabs inside a text are dropped")
            << QByteArray("<a><addr2>New\n\tington</addr2></a>") << "addr2"
            << "Newington";
        QTest::newRow("spaces stay")
            << QByteArray("<a><Error>Not found: XX </Error></a>") << "Error"
            << "Not found: XX ";
        QTest::newRow("a later element of the name wins")
            << QByteArray("<a><Key>first</Key><b><Key>second</Key></b></a>") << "Key"
            << "second";
        QTest::newRow("entities and CDATA are text")
            << QByteArray("<a><name>A &amp; B<![CDATA[ <c>]]></name></a>") << "name"
            << "A & B <c>";
        QTest::newRow("nested record flattened")
            << QByteArray(
                   "<?xml version=\"1.0\" encoding=\"utf-8\"?><HamQTH><search><nick>J\xc3\xb6rg"
                   "</nick></search></HamQTH>")
            << "nick" << QString::fromUtf8("J\xc3\xb6rg");
        QTest::newRow("an empty element is present and empty")
            << QByteArray("<a><email/></a>") << "email"
            << "";
    }

    void readerFlattensTheReply()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const lookup::LookupReply reply = lookup::parseLookupReply(xml);
        QVERIFY2(reply.ok, qPrintable(reply.errorText));
        QVERIFY(reply.has(name));
        QCOMPARE(reply.value(name), value);
    }

    void readerRefusesHostileInput_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut off") << QByteArray("<QRZDatabase><Session><Key>abc");
        QTest::newRow("not XML") << QByteArray("<html><body>502 Bad Gateway<br></body>");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe<a>\x00</a>", 12);
        QTest::newRow("billion laughs") << QByteArray(
            "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\">"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]><l><call>&c;</call></l>");
        QTest::newRow("external entity") << QByteArray(
            "<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a><c>&x;</c></a>");
        QTest::newRow("undeclared entity") << QByteArray("<a><call>&nope;</call></a>");
        QTest::newRow("deep nesting") << QByteArray("<a>").repeated(5000);
        QTest::newRow("closed deep nesting")
            << QByteArray("<a>").repeated(lookup::kMaxDepth + 1) +
                   QByteArray("</a>").repeated(lookup::kMaxDepth + 1);
        QTest::newRow("too many elements")
            << "<a>" + QByteArray("<b/>").repeated(lookup::kMaxElements + 1) + "</a>";
        QTest::newRow("a text too long")
            << "<a>" + QByteArray("x").repeated(lookup::kMaxTextChars + 1) + "</a>";
        QTest::newRow("larger than any reply")
            << "<a><b>" + QByteArray(lookup::kMaxReplyBytes, ' ') + "</b></a>";
        QTest::newRow("two roots") << QByteArray("<a></a><b></b>");
    }

    void readerRefusesHostileInput()
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
        QTest::addColumn<bool>("cachedKeyValid");
        QTest::addColumn<bool>("keysNeverWork");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("alert"); // empty: rows
        for (const Service s : {Service::Qrz, Service::HamQth}) {
            const bool qrz = s == Service::Qrz;
            const char *name = qrz ? "qrz: " : "hamqth: ";
            const QString expired =
                qrz ? "Invalid session key" : "Session does not exist or expired";
            const auto row = [name](const char *what) -> QTestData & {
                return QTest::newRow((QByteArray(name) + what).constData());
            };
            row("cached key works: no login") << int(s) << "cached12345"
                                              << "me" << true << false << "secret"
                                              << "W1AW"
                                              << "query"
                                              << "";
            row("no key: login first") << int(s) << ""
                                       << "" << false << false << "secret"
                                       << "W1AW"
                                       << "login query"
                                       << "";
            row("4-character key: login first") << int(s) << "abcd"
                                                << "me" << true << false << "secret"
                                                << "W1AW"
                                                << "login query"
                                                << "";
            row("expired key: one new login, then the result") << int(s) << "old12345"
                                                               << "me" << false << false << "secret"
                                                               << "W1AW"
                                                               << "query login query"
                                                               << "";
            row("a key that never works: one new login, then its error")
                << int(s) << "old12345"
                << "me" << false << true << "secret"
                << "W1AW"
                << "query login query" << expired;
            row("a key that never works, no cached key: no second login")
                << int(s) << ""
                << "" << false << true << "secret"
                << "W1AW"
                << "login query" << expired;
            row("wrong password") << int(s) << ""
                                  << "" << false << false << "wrong"
                                  << "W1AW"
                                  << "login"
                                  << (qrz ? "Username/password incorrect"
                                          : "Wrong user name or password");
            row("another user's key is not used") << int(s) << "cached12345"
                                                  << "someoneelse" << true << false << "secret"
                                                  << "W1AW"
                                                  << "login query"
                                                  << "";
            row("not found") << int(s) << "cached12345"
                             << "me" << true << false << "secret"
                             << "XX9XX"
                             << "query" << (qrz ? "Not found: XX9XX" : "Callsign not found");
        }
    }

    void sessionLogsInOnlyWhenNeeded()
    {
        QFETCH(int, service);
        QFETCH(QString, cachedKey);
        QFETCH(QString, cachedUser);
        QFETCH(bool, cachedKeyValid);
        QFETCH(bool, keysNeverWork);
        QFETCH(QString, password);
        QFETCH(QString, callsign);
        QFETCH(QString, steps);
        QFETCH(QString, alert);
        const Service s = Service(service);
        FakeService fake;
        fake.service = s;
        fake.keysNeverWork = keysNeverWork;
        if (cachedKeyValid)
            fake.validKeys << cachedKey;
        f.app->defaults().setValue(keyName(s), cachedKey);
        f.app->defaults().setValue(userName(s), cachedUser);
        const Run run = lookUp(fake, account(s, "me", password), callsign);
        QCOMPARE(run.steps.join(' '), steps);
        QCOMPARE(run.outcome.ok, alert.isEmpty());
        QCOMPARE(run.outcome.alertText, alert);
        if (!alert.isEmpty())
            QCOMPARE(run.outcome.alertTitle,
                     QString(s == Service::Qrz ? "Error parsing QRZ" : "Error parsing HamQTH"));
        else
            QCOMPARE(run.outcome.items.value(s == Service::Qrz ? "call" : "callsign"),
                     callsign.toLower());
        // A key issued now is kept for the next lookup, with the user it belongs to.
        if (steps.contains("login") && fake.issued > 0) {
            QCOMPARE(f.app->defaults().string(keyName(s)), fake.validKeys.last());
            QCOMPARE(f.app->defaults().string(userName(s)), QStringLiteral("me"));
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
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) { return fake.answer(r); });
        f.app->defaults().setValue(fake.qrz() ? "QrzHost" : "HamQthHost", server.url());
        QNetworkAccessManager network;
        HttpClient http(network, 10000);
        lookup::LookupSession session(http, f.app->defaults());
        QSignalSpy done(&session, &lookup::LookupSession::finished);
        session.lookUp(account(fake.service, "m;e&x", fake.password), "W1AW");
        QVERIFY(done.wait(15000));
        QVERIFY(done.first().first().value<lookup::LookupOutcome>().ok);
        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().at(0).query(), loginQuery);
        QCOMPARE(server.requests().at(1).query(), lookupQuery);
        QCOMPARE(server.requests().at(0).path(),
                 QByteArray(fake.qrz() ? "/xml/current/" : "/xml.php"));
    }

    void failuresBecomeAlerts()
    {
        // Nobody listens on this port.
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        f.app->defaults().setValue("QrzHost", QStringLiteral("http://127.0.0.1:%1").arg(port));
        f.app->defaults().setValue("QRZ_SessionKey", "cached12345");
        f.app->defaults().setValue("QRZ_SessionUser", "me");
        QNetworkAccessManager network;
        HttpClient http(network, 10000);
        lookup::LookupSession session(http, f.app->defaults());
        QSignalSpy done(&session, &lookup::LookupSession::finished);
        session.lookUp(account(Service::Qrz), "W1AW");
        QVERIFY(done.wait(15000));
        auto outcome = done.takeFirst().first().value<lookup::LookupOutcome>();
        QCOMPARE(outcome.alertTitle, QStringLiteral("Error parsing xml:"));
        QVERIFY2(outcome.alertText.contains("connection refused"), qPrintable(outcome.alertText));
        QVERIFY(!session.busy());

        // A reply that is no XML: logged, no rows, the reader's error code.
        LoopbackHttpServer server;
        server.respond([](const LoopbackHttpServer::Request &) {
            return LoopbackHttpServer::Answer{200, "<QRZDatabase><Session>", false};
        });
        f.app->defaults().setValue("QrzHost", server.url());
        QTest::ignoreMessage(QtInfoMsg, "Error occurred during xml processing");
        session.lookUp(account(Service::Qrz), "W1AW");
        QVERIFY(done.wait(15000));
        outcome = done.takeFirst().first().value<lookup::LookupOutcome>();
        QVERIFY(!outcome.ok && outcome.items.isEmpty());
        QCOMPARE(outcome.alertTitle, QStringLiteral("Error parsing QRZ"));
        QCOMPARE(outcome.alertText, QStringLiteral("Error code 4"));

        // No account: said at once, nothing sent.
        session.lookUp(account(Service::HamQth, "", ""), "W1AW");
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.takeFirst().first().value<lookup::LookupOutcome>().alertText,
                 QStringLiteral("User name or password missing"));
        QCOMPARE(server.requests().size(), 1);
    }

    void storedPasswordIsBase64()
    {
        // The services' own HTTPS hosts unless the user points elsewhere.
        QCOMPARE(f.app->defaults().string("QrzHost"), QStringLiteral("https://xmldata.qrz.com"));
        QCOMPARE(f.app->defaults().string("HamQthHost"), QStringLiteral("https://www.hamqth.com"));
        f.app->defaults().setValue("SegQthQrz", 1);
        f.app->defaults().setValue("QRZ_UserName", "me");
        f.app->defaults().setValue("QRZ_PassWord", formats::base64FromText("s\xc3\xa4"
                                                                           "cret;&"));
        f.app->defaults().setValue("HamQTH_UserName", "ham");
        f.app->defaults().setValue("HamQRH_PassWord", "c2VjcmV0");
        const auto qrz = lookup::LookupAccount::read(f.app->defaults(), Service::Qrz);
        QCOMPARE(lookup::LookupAccount::chosen(f.app->defaults()), Service::Qrz);
        QCOMPARE(qrz.password, QString::fromUtf8("s\xc3\xa4"
                                                 "cret;&"));
        const auto ham = lookup::LookupAccount::read(f.app->defaults(), Service::HamQth);
        QCOMPARE(ham.userName, QStringLiteral("ham"));
        QCOMPARE(ham.password, QStringLiteral("secret"));
    }

    // --- Rows and the record ---------------------------------------------------------------

    void rowsFollowTheServiceOrder()
    {
        const QHash<QString, QString> qrz = {{"SubExp", "2027"},
                                             {"Count", "124"},
                                             {"grid", "fn31pr"},
                                             {"call", "w1aw"},
                                             {"addr1", "225 Main St"},
                                             {"url", "www.arrl.org"},
                                             {"Key", "k"},
                                             {"image", "https://example.org/w1aw.jpg"},
                                             {"lat", "41.714775"},
                                             {"lon", "-72.727260"}};
        const lookup::LookupResult r = lookup::resultFrom(Service::Qrz, qrz);
        QStringList shown;
        for (const lookup::LookupRow &row : r.rows)
            shown << row.name + '=' + row.value;
        // No street line, no key; "My account:" heads the account's counters.
        QCOMPARE(shown, (QStringList{"call=W1AW", "grid=FN31PR", "lat=41.714775", "lon=-72.727260",
                                     "url=www.arrl.org", "image=https://example.org/w1aw.jpg",
                                     "My account:=", "Count=124", "SubExp=2027"}));
        QCOMPARE(r.callsign, QStringLiteral("W1AW"));
        QCOMPARE(r.pictureUrl, QStringLiteral("https://example.org/w1aw.jpg"));
        QVERIFY(r.coord.has_value());
        QCOMPARE(r.rows.at(4).kind, lookup::RowKind::Web);
        QCOMPARE(r.rows.at(5).kind, lookup::RowKind::Picture);
        QCOMPARE(lookup::mapLocator(r), QStringLiteral("FN31PR"));
    }

    void mapAndLinks_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("mapLocator");
        QTest::newRow("4-character grid taken at AA") << "jo62"
                                                      << ""
                                                      << "JO62AA";
        QTest::newRow("6-character grid") << "jo62qm"
                                          << ""
                                          << "JO62QM";
        QTest::newRow("no grid, no position") << ""
                                              << ""
                                              << "";
        QTest::newRow("a grid that is none") << "ZZ99"
                                             << ""
                                             << "";
        QTest::newRow("a latitude out of range falls back to the grid") << "JO62"
                                                                        << "123"
                                                                        << "JO62AA";
        QTest::newRow("a latitude that is no number") << "JO62"
                                                      << "nan"
                                                      << "JO62AA";
        QTest::newRow("coordinates win over the grid") << "JO62"
                                                       << "52.52"
                                                       << "JO62QM";
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
        QTest::newRow("postal code, space, town") << "12345 Berlin"
                                                  << "Berlin";
        QTest::newRow("spaces first") << "  Paris"
                                      << "Paris";
        QTest::newRow("only digits and spaces") << "1234 5"
                                                << "";
        QTest::newRow("one digit is kept") << "7"
                                           << "7";
        QTest::newRow("letters first stay") << "D-12345 Berlin"
                                            << "D-12345 Berlin";
        QTest::newRow("digits inside stay") << "Berlin 12"
                                            << "Berlin 12";
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

    void pageHandsTheRecordToTheEntryForm_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("notification");
        QTest::newRow("larger screens") << false << "QSO4Log";
        QTest::newRow("phone") << true << "QSO4Log1";
    }

    void pageHandsTheRecordToTheEntryForm()
    {
        QFETCH(bool, phone);
        QFETCH(QString, notification);
        f.app->defaults().setValue("SegQthQrz", 0);
        f.app->defaults().setValue("HamQTH_UserName", "me");
        f.app->defaults().setValue("HamQRH_PassWord", formats::base64FromText("secret"));
        FakeService fake;
        fake.service = Service::HamQth;
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) { return fake.answer(r); });
        f.app->defaults().setValue("HamQthHost", server.url());
        QNetworkAccessManager network;
        LookupScreen screen(f.app->defaults(), f.app->notifications(), network, phone);
        QVariant record;
        QVariant end;
        f.app->notifications().observe(notification, &screen,
                                       [&record](const QVariant &o) { record = o; });
        f.app->notifications().observe(notifications::NewEndLocationSet, &screen,
                                       [&end](const QVariant &o) { end = o; });
        QSignalSpy closed(&screen, &LookupScreen::closeRequested);
        screen.useForNewQso(); // nothing to use yet
        QVERIFY(!record.isValid());
        screen.lookUp(" dl1abc");
        QVERIFY(screen.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!screen.busy(), 15000);
        QCOMPARE(screen.alertText(), QString());
        QCOMPARE(screen.callsign(), QStringLiteral("DL1ABC"));
        QCOMPARE(screen.mapLocator(), QStringLiteral("JO62AA"));
        QCOMPARE(end.toString(), QStringLiteral("JO62AA"));
        QCOMPARE(screen.rows().size(), 5);
        QVERIFY(screen.canUse());
        screen.useForNewQso();
        QCOMPARE(closed.size(), 1);
        const QsoClass qso = record.value<QsoClass>();
        QCOMPARE(qso.callsign, QStringLiteral("DL1ABC"));
        QCOMPARE(qso.qth, QStringLiteral("Berlin"));
        QCOMPARE(qso.state, QStringLiteral("D01"));
        QCOMPARE(qso.locator, QStringLiteral("JO62"));
    }

    void pageOpensMailAndWebRows()
    {
        QNetworkAccessManager network;
        LookupScreen screen(f.app->defaults(), f.app->notifications(), network, false);
        screen.showReply(Service::Qrz, "W1AW",
                         "<QRZDatabase><Callsign><call>w1aw</call><email>w1aw@arrl.org</email>"
                         "<url>www.arrl.org</url><image>https://x/y.jpg</image></Callsign>"
                         "<Session><Count>1</Count></Session></QRZDatabase>");
        QCOMPARE(screen.rowUrl(0), QString());
        QCOMPARE(screen.rowUrl(1), QStringLiteral("mailto:w1aw@arrl.org"));
        QCOMPARE(screen.rowUrl(2), QStringLiteral("http://www.arrl.org"));
        QCOMPARE(screen.rowUrl(3), QString());
        QCOMPARE(screen.rowUrl(99), QString());
        QCOMPARE(screen.pictureUrl(), QStringLiteral("https://x/y.jpg"));
        QCOMPARE(screen.rows().at(4).toMap().value("name").toString(),
                 QStringLiteral("My account:"));
        QCOMPARE(lookup::webAddress("HTTPS://qrz.com"), QStringLiteral("HTTPS://qrz.com"));
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
        QTest::newRow("no callsign") << QStringList{"lookup"} << 1 << "Usage:";
    }

    void cliLooksUpWithTheSettingsAccount()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        FakeService fake;
        fake.service = Service::Qrz;
        LoopbackHttpServer server;
        server.respond([&fake](const LoopbackHttpServer::Request &r) {
            LoopbackHttpServer::Answer a = fake.answer(r);
            if (fake.queries.last().value("callsign") == "K4XYZ")
                a.body = "<QRZDatabase><Callsign><call>k4xyz</call><state>FL</state>"
                         "<county>Dade</county></Callsign></QRZDatabase>";
            return a;
        });
        f.app->defaults().setValue("QrzHost", server.url());
        f.app->defaults().setValue("QRZ_UserName", "me");
        f.app->defaults().setValue("QRZ_PassWord", formats::base64FromText("secret"));
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
        QVERIFY(!(out + err).contains("secret"));
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
