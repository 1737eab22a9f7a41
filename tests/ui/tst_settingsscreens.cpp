// The logbook and settings screens as a user drives them in an offscreen window: what is typed
// and clicked ends up in the logbook and the user defaults, and the logbook model announces the
// change.

#include "../shell/ShellFixture.h"
#include "QmlWindow.h"
#include "model/LogModel.h"

#include <QDir>

class TestSettingsScreens : public QObject {
    Q_OBJECT

    ShellFixture f;
    QmlWindow ui;

    void show(screens::Screen section)
    {
        QVERIFY(ui.shell->showScreen(section));
        f.announced.clear();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f.setUp();
        (void)f.app->log(); // the default logbook, as at start-up
        QVERIFY(ui.open(*f.app, false));
    }
    void cleanup()
    {
        ui.close();
        f.tearDown();
    }

    void stationKeysGoIntoTheLogbook()
    {
        show(screens::Screen::Station);
        ui.type(ui.find(QStringLiteral("callsignField")), QStringLiteral("dl1abc"));
        ui.type(ui.find(QStringLiteral("locatorField")), QStringLiteral("jo62qm"));
        LogModel &log = f.app->log();
        QCOMPARE(log.getMyCallsign(), QStringLiteral("DL1ABC"));
        QCOMPARE(log.getMyLocator(), QStringLiteral("JO62QM"));
        QVERIFY(f.announced.contains(QStringLiteral("settingsChanged mylocator")));
    }

    void dateStyleIsStored()
    {
        show(screens::Screen::DateStyle);
        ui.click(ui.find(QStringLiteral("mediumStyle")));
        QCOMPARE(f.app->defaults().integer(QStringLiteral("DateFormatIndex")), 1);
    }

    void eachScreenSetChoosesItsControls_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("phone") << true;
        QTest::newRow("tablet") << false;
    }

    void eachScreenSetChoosesItsControls()
    {
        QFETCH(bool, phone);
        ui.close();
        QVERIFY(ui.open(*f.app, phone));
        QCOMPARE(ui.shell->cluster()->macros()->count(), phone ? 8 : 6);
        QCOMPARE(ui.shell->dxcc()->list()->filterTitles().size(), phone ? 3 : 6);

        show(screens::Screen::BandTable);
        ui.type(ui.find(QStringLiteral("qrg1")), QStringLiteral("1838.6"));
        const QVariant stored = f.app->defaults().list(QStringLiteral("QRGs")).at(0).toList().at(1);
        QCOMPARE(stored.toDouble(), phone ? 1839.0 : 1838.6);

        show(screens::Screen::Logbooks);
        QVERIFY(ui.find(QStringLiteral("newButton")));
        QObject *reveal = ui.object(QStringLiteral("revealButton"));
        QVERIFY(reveal);
        QCOMPARE(reveal->property("visible").toBool(), !phone);
    }

    void bandTableCellIsStored()
    {
        show(screens::Screen::BandTable);
        ui.type(ui.find(QStringLiteral("qrg1")), QStringLiteral("1840"));
        const QVariantList rows = f.app->defaults().list(QStringLiteral("QRGs"));
        QCOMPARE(rows.at(0).toList().at(1).toDouble(), 1840.0);
    }

    void userFieldIsStored()
    {
        show(screens::Screen::UserFields);
        ui.type(ui.find(QStringLiteral("caption2")), QStringLiteral("SOTA ref"));
        ui.click(ui.find(QStringLiteral("remember2")));
        LogModel &log = f.app->log();
        QCOMPARE(log.getUserFieldNameForNumber(2), QStringLiteral("SOTA ref"));
        QVERIFY(log.getUserFieldRememberForNumber(2));
        QVERIFY(f.announced.contains(QStringLiteral("settingsChanged UserFieldRemember_2")));
    }

    void newLogbookFromTheNameDialog()
    {
        show(screens::Screen::Logbooks);
        auto *remove = ui.find(QStringLiteral("deleteButton"));
        QVERIFY(remove);
        QVERIFY(!remove->isEnabled()); // one logbook stays
        ui.click(ui.find(QStringLiteral("newButton")));
        ui.type(ui.find(QStringLiteral("nameField")), QStringLiteral("Field day"));
        QTRY_VERIFY(QFile::exists(f.path(QStringLiteral("Field day.rlog"))));
        QTRY_VERIFY(remove->isEnabled());
    }
};

QTEST_MAIN(TestSettingsScreens)
#include "tst_settingsscreens.moc"
