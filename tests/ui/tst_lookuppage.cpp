// The lookup page on both layouts, driven as a user drives it: the entry form's lookup button,
// the log list's and the cluster's menu open it, it fills from a loopback HamQTH, and "Use for
// new QSO" closes it and fills the entry form.

#include "../shell/ShellFixture.h"
#include "LoopbackHttpServer.h"
#include "QmlWindow.h"
#include "formats/TextCoding.h"
#include "services/LookupAccount.h"

class TestLookupPage : public QObject {
    Q_OBJECT

    ShellFixture f;
    QmlWindow ui;
    LoopbackHttpServer server;
    int logins = 0;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        server.respond([this](const LoopbackHttpServer::Request &r) {
            if (r.query().startsWith("u=")) {
                ++logins;
                return LoopbackHttpServer::Answer{
                    200, "<HamQTH><session><session_id>abcdef123</session_id></session></HamQTH>",
                    false};
            }
            return LoopbackHttpServer::Answer{
                200,
                "<HamQTH><search><callsign>dl1abc</callsign><nick>Hans</nick>"
                "<qth>12345 Berlin</qth><grid>JO62</grid><email>x@example.org</email>"
                "</search></HamQTH>",
                false};
        });
    }
    void init() { f.setUp(); }
    void cleanup()
    {
        ui.close();
        f.tearDown();
    }

    void lookupFillsTheEntryForm_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("from");
        QTest::newRow("tablet, entry form") << false << "entry";
        QTest::newRow("tablet, cluster") << false << "cluster";
        QTest::newRow("phone, log list") << true << "loglist";
        QTest::newRow("phone, cluster") << true << "cluster";
    }

    void lookupFillsTheEntryForm()
    {
        QFETCH(bool, phone);
        QFETCH(QString, from);
        UserDefaults &defaults = f.app->defaults();
        defaults.setValue("SegQthQrz", 0);
        defaults.setValue("HamQTH_UserName", "me");
        defaults.setValue("HamQRH_PassWord", formats::base64FromText("secret"));
        defaults.setValue("HamQthHost", server.url());
        (void)f.app->log();
        QVERIFY(ui.open(*f.app, phone));
        AppShell &shell = *ui.shell;
        if (from == "entry") {
            shell.entryForm()->setField("callsign", "DL1ABC");
            shell.entryForm()->lookUpCallsign();
        } else if (from == "loglist") {
            emit shell.logList()->lookupRequested("DL1ABC", "HamQTH");
        } else {
            emit shell.cluster()->lookupRequested("DL1ABC");
        }
        QVERIFY(ui.find("lookupPage"));
        QQuickItem *use = ui.find("useButton");
        QVERIFY(use);
        QTRY_VERIFY_WITH_TIMEOUT(use->isEnabled(), 10000);
        QCOMPARE(shell.lookup()->rows().size(), 5);
        QVERIFY(ui.find("lookupMap"));
        ui.click(use);
        QTRY_VERIFY(!ui.object("lookupPage"));
        QCOMPARE(shell.currentTab(), int(AppShell::LogTab));
        const QVariantMap fields = shell.entryForm()->fields();
        QCOMPARE(fields.value("callsign").toString(), QStringLiteral("DL1ABC"));
        QCOMPARE(fields.value("qth").toString(), QStringLiteral("Berlin"));
        QCOMPARE(fields.value("name").toString(), QStringLiteral("Hans"));
    }

    void settingsGiveTheEntryFormItsLookup()
    {
        (void)f.app->log();
        QVERIFY(ui.open(*f.app, false));
        QVERIFY(ui.shell->showScreen(screens::Screen::LookupAccounts));
        ui.click(ui.find("useQrz"));
        ui.type(ui.find("qrzAccountUser"), " me ");
        ui.type(ui.find("qrzAccountPassword"), "p;w&1");
        const UserDefaults &defaults = f.app->defaults();
        QCOMPARE(defaults.integer("SegQthQrz"), 1);
        QCOMPARE(defaults.string("QRZ_UserName"), QStringLiteral("me"));
        // Kept Base64 like every service password, read back as typed.
        QCOMPARE(defaults.string("QRZ_PassWord"), formats::base64FromText("p;w&1"));
        QCOMPARE(
            lookup::LookupAccount::read(f.app->defaults(), f.app->secrets(), lookup::Service::Qrz)
                .password,
            QStringLiteral("p;w&1"));
        QCOMPARE(ui.shell->entryForm()->lookupTitle(), QStringLiteral("QRZ"));
        ui.shell->entryForm()->setField("callsign", "DL1ABC");
        QVERIFY(ui.shell->entryForm()->lookupVisible());
    }

    void screenshotShowsASampleWithoutTheNetwork()
    {
        QVERIFY(ui.open(*f.app, false));
        QVERIFY(ui.shell->screenshotScreens().contains(screens::Screen::Lookup));
        const int before = int(server.requests().size());
        QVERIFY(ui.shell->showScreen(screens::Screen::Lookup));
        QVERIFY(ui.find("lookupPage"));
        QVERIFY(ui.shell->lookup()->canUse());
        QCOMPARE(int(server.requests().size()), before);
    }
};

QTEST_MAIN(TestLookupPage)
#include "tst_lookuppage.moc"
