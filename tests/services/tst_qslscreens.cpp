// The LoTW and eQSL screens' view-models: what they show, keep and store.

#include "LoopbackHttpServer.h"
#include "QslFixture.h"
#include "services/EqslScreen.h"
#include "services/LotwScreen.h"

#include <QAbstractItemModelTester>
#include <QNetworkAccessManager>
#include <QSignalSpy>

class TestQslScreens : public QObject {
    Q_OBJECT

    QslFixture f;

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void lotwLoadFillsTheList()
    {
        f.storeEntries({"DL1AA|2025-06-15 12:00:00|20m|CW|291"});
        LoopbackHttpServer server;
        server.answer("/lotwuser/lotwreport.adi",
                      {200,
                       QslFixture::lotwReport({"DL1AA|2025-06-15 12:00:00|20M|CW|230",
                                               "OE1XX|2025-06-15 12:05:00|20M|CW|206"}),
                       false});
        f.app->defaults().setValue("LotwHost", server.url());
        f.app->log().saveLotwPrefs({{"lotwqsodetails", true},
                                    {"lotwlastqsl", "2025-06-01 "
                                                    "00:00:00"}});
        QNetworkAccessManager network;
        LotwScreen screen(f.app->log(), f.app->dxcc(), f.app->defaults(), f.app->secrets(),
                          f.app->clock(), network);
        QAbstractItemModelTester tester(screen.results());
        QVERIFY(screen.useDetails());
        screen.setUser(QStringLiteral("k1abc"));
        screen.setPassword(QStringLiteral("pw"));
        screen.load();
        QVERIFY(screen.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!screen.busy(), 20000);
        QCOMPARE(screen.status(),
                 QStringLiteral("2 QSL(s) rcvd, 1 QSO(s) not in log, 1 QSO(s) corrected"));
        QVERIFY(!screen.statusIsError());
        QCOMPARE(screen.lastQsl(), QStringLiteral("2025-06-15 12:30:00"));
        QslResultModel *list = screen.results();
        QCOMPARE(list->rowCount(), 2);
        const auto cell = [list](int row, int role) {
            return list->data(list->index(row), role).toString();
        };
        QCOMPARE(cell(0, QslResultModel::BackgroundRole), QStringLiteral("yellow"));
        QCOMPARE(cell(0, QslResultModel::NoteRole), QStringLiteral("DXCC"));
        QCOMPARE(cell(1, QslResultModel::BackgroundRole), QStringLiteral("red"));
        QCOMPARE(cell(1, QslResultModel::CallsignRole), QStringLiteral("OE1XX"));
    }

    void lotwLoadWithoutAccountSaysSo_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("no user") << ""
                                 << "pw";
        QTest::newRow("no password") << "k1abc"
                                     << "";
    }

    void lotwLoadWithoutAccountSaysSo()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        LoopbackHttpServer server;
        f.app->defaults().setValue("LotwHost", server.url());
        QNetworkAccessManager network;
        LotwScreen screen(f.app->log(), f.app->dxcc(), f.app->defaults(), f.app->secrets(),
                          f.app->clock(), network);
        screen.setUser(user);
        screen.setPassword(password);
        screen.load();
        QVERIFY(!screen.busy());
        QCOMPARE(screen.status(), QStringLiteral("User name or password missing"));
        QVERIFY(screen.statusIsError());
        QCOMPARE(server.requests().size(), 0);
    }

    void lotwLastQslIsOnlyNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a valid date is kept") << "2025-06-10 08:00:00"
                                              << "2025-06-10 08:00:00";
        QTest::newRow("anything else gives back the stored value") << "yesterday"
                                                                   << "2025-06-01 00:00:00";
    }

    void lotwLastQslIsOnlyNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        f.app->log().saveLotwPrefs({{"lotwlastqsl", "2025-06-01 00:00:00"}});
        QNetworkAccessManager network;
        LotwScreen screen(f.app->log(), f.app->dxcc(), f.app->defaults(), f.app->secrets(),
                          f.app->clock(), network);
        screen.setLastQsl(typed);
        screen.normaliseLastQsl();
        QCOMPARE(screen.lastQsl(), shown);
        // Stored only by a download.
        QCOMPARE(f.app->log().readPrefsForEntry("lotwlastqsl"),
                 QStringLiteral("2025-06-01 00:00:00"));
    }

    void accountIsSavedWhenEditingEnds()
    {
        QNetworkAccessManager network;
        LotwScreen lotw(f.app->log(), f.app->dxcc(), f.app->defaults(), f.app->secrets(),
                        f.app->clock(), network);
        lotw.setUser("k1abc");
        lotw.setPassword("pw&1");
        QCOMPARE(f.app->log().readPrefsForEntry("lotwuser"), QString());
        lotw.saveAccount();
        QCOMPARE(f.app->log().getLotwPrefs().value("lotwpassword").toString(),
                 QStringLiteral("pw&1"));
        EqslScreen eqsl(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(), network);
        QCOMPARE(eqsl.status(), QStringLiteral("User name or password missing"));
        eqsl.setUser("k1abc");
        eqsl.setPassword("pw;2");
        eqsl.saveAccount();
        QCOMPARE(eqsl.status(), QStringLiteral("Ready to downlod"));
        QCOMPARE(f.app->log().getAllEqslData().value("eqslpassword").toString(),
                 QStringLiteral("pw;2"));
        eqsl.setComment("TNX");
        eqsl.close();
        QCOMPARE(f.app->log().readPrefsForEntry("eqslcomment"), QStringLiteral("TNX"));
    }

    void eqslUploadWaitsForTheUser()
    {
        f.storeEntries(
            {"DL1AA|2025-06-15 12:00:00|20m|CW|230||W", "DL2BB|2025-06-15 12:10:00|20m|CW|230||W"});
        LoopbackHttpServer server;
        server.answer("/qslcard/ImportADIF.cfm", {200, "Result: 1 out of 1 records added", false});
        f.app->defaults().setValue("EqslHost", server.url());
        QNetworkAccessManager network;
        EqslScreen screen(f.app->log(), f.app->defaults(), f.app->secrets(), f.app->clock(),
                          network);
        screen.upload({qint64(2)});
        QCOMPARE(screen.status(), QStringLiteral("Uploading ..."));
        QTRY_VERIFY_WITH_TIMEOUT(screen.confirmVisible(), 10000);
        QCOMPARE(screen.status(), QStringLiteral("Finished"));
        QCOMPARE(screen.page(), QStringLiteral("Result: 1 out of 1 records added"));
        QCOMPARE(f.column("eqsl"), QStringList({"W", "W"}));
        f.announced.clear();
        screen.confirmUpload();
        QCOMPARE(screen.status(), QStringLiteral("Done"));
        QCOMPARE(f.column("eqsl"), QStringList({"W", "S"}));
        QVERIFY(f.announced.contains("qsosChanged"));
        QVERIFY(!screen.confirmVisible());
    }
};

QTEST_GUILESS_MAIN(TestQslScreens)
#include "tst_qslscreens.moc"
