// The Elecraft panel as the user reaches it on both layouts: offered on the transceiver screen for
// the K3, KX2 and KX3 only, opened over it, and closed again (which stops its polling).

#include "../shell/ShellFixture.h"
#include "../ui/QmlWindow.h"

#include <QtTest>

class TestElecraftPage : public QObject {
    Q_OBJECT
    ShellFixture f;
    QmlWindow ui;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f.setUp(); }
    void cleanup()
    {
        ui.close();
        f.tearDown();
    }

    void panelIsOfferedForTheElecraftModels_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<int>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("button"); // empty: not offered
        QTest::newRow("tablet KX3") << false << 0 << "KX3"
                                    << "KX3 Control";
        QTest::newRow("phone K3") << true << 0 << "K3"
                                  << "K3 Control";
        QTest::newRow("phone KX2") << true << 0 << "KX2"
                                   << "KX2 Control";
        QTest::newRow("K2 has no panel") << false << 0 << "K2" << QString();
        QTest::newRow("Icom has none") << true << 1 << "IC-705" << QString();
    }
    void panelIsOfferedForTheElecraftModels()
    {
        QFETCH(bool, phone);
        QFETCH(int, make);
        QFETCH(QString, model);
        QFETCH(QString, button);
        f.app->defaults().setValue("TRX_Brand", make);
        f.app->defaults().setValue("Trx_Type", model);
        QVERIFY(ui.open(*f.app, phone));
        QVERIFY(ui.shell->showScreen(screens::Screen::Transceiver));
        QVERIFY(ui.find("trxMake"));
        QQuickItem *open = ui.find("trxElecraftPanel");
        if (button.isEmpty()) {
            QVERIFY(!open);
            return;
        }
        QVERIFY(open);
        QCOMPARE(open->property("text").toString(), button);
        ui.click(open);
        QVERIFY(ui.shell->elecraft()->shown());
        QVERIFY(ui.find("elecraftTerminal"));
        QVERIFY(ui.find("elecraftTuning"));
        ui.click(ui.find("elecraftClose"));
        QTRY_VERIFY(!ui.shell->elecraft()->shown());
        QTRY_VERIFY(!ui.find("elecraftTerminal"));
    }
};

QTEST_MAIN(TestElecraftPage)
#include "tst_elecraftpage.moc"
