// The entry forms in an offscreen window: what the operator types shows up in the info
// lines, and a QSO that cannot be logged brings up the alert instead of being stored.

#include "../shell/ShellFixture.h"
#include "../ui/QmlWindow.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"

class TestEntryPanel : public QObject {
    Q_OBJECT

    ShellFixture f;
    QmlWindow ui;

    void typeKeys(const QString &field, const QString &keys)
    {
        QQuickItem *input = ui.find(field);
        QVERIFY(input);
        input->forceActiveFocus();
        for (const QChar c : keys)
            QTest::keyClick(ui.window, c.toLatin1());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f.setUp();
        // The one-time notice over the log list would catch the clicks.
        f.app->defaults().setValue(QStringLiteral("Alert_5_0_0"), true);
        f.app->log().updateMyLocator(QStringLiteral("JO62QM"));
        QVERIFY(ui.open(*f.app, false));
        QVERIFY(ui.shell->showScreen(QStringLiteral("log")));
    }
    void cleanup()
    {
        ui.close();
        f.tearDown();
    }

    void typingFillsTheInfoLines()
    {
        typeKeys(QStringLiteral("callsignField"), QStringLiteral("dl1abc"));
        QCOMPARE(ui.textOf(QStringLiteral("callsignField")), QStringLiteral("DL1ABC"));
        QCOMPARE(ui.textOf(QStringLiteral("entityLine")),
                 QStringLiteral("DL  Fed. Rep. Of Germany  Eu"));
        QVERIFY(
            ui.textOf(QStringLiteral("zoneLine")).startsWith(QStringLiteral("CQ: 14  ITU: 28")));
        QCOMPARE(ui.textOf(QStringLiteral("cqField")), QStringLiteral("14"));
        QTest::keyClick(ui.window, Qt::Key_Tab); // leaving the callsign runs the station lookups
        QCOMPARE(ui.textOf(QStringLiteral("stationLine")), QStringLiteral("DL1ABC"));
        QCOMPARE(ui.textOf(QStringLiteral("qsoCountLine")), QStringLiteral("No QSOs"));
        QVERIFY(ui.find(QStringLiteral("needle")));
    }

    void modeKeyAndReturnLogTheQso()
    {
        typeKeys(QStringLiteral("callsignField"), QStringLiteral("dl1abc"));
        typeKeys(QStringLiteral("qrgStringField"), QStringLiteral("14025"));
        typeKeys(QStringLiteral("modeField"), QStringLiteral("c"));
        QCOMPARE(ui.textOf(QStringLiteral("modeField")), QStringLiteral("CW"));
        QTest::keyClick(ui.window, Qt::Key_Return);
        const QList<QsoClass> qsos = f.app->log().getlastQSOs(4);
        QCOMPARE(qsos.size(), 1);
        QCOMPARE(qsos.first().adif, 230);
        QCOMPARE(ui.textOf(QStringLiteral("callsignField")), QString());
        QVERIFY(ui.find(QStringLiteral("callsignField"))->hasActiveFocus());
    }

    void badInputShowsTheAlert()
    {
        typeKeys(QStringLiteral("callsignField"), QStringLiteral("d"));
        QTest::keyClick(ui.window, Qt::Key_Return);
        QObject *alert = ui.window->findChild<QObject *>(QStringLiteral("entryAlert"));
        QVERIFY(alert);
        QTRY_VERIFY(alert->property("opened").toBool());
        QCOMPARE(alert->property("title").toString(), QStringLiteral("Can't log the QSO:"));
        QCOMPARE(alert->property("message").toString(), QStringLiteral("No Callsign given"));
        QVERIFY(f.app->log().getlastQSOs(4).isEmpty());
    }

    void storedQsoOpensReadOnlyAndEditsItsDetails()
    {
        typeKeys(QStringLiteral("callsignField"), QStringLiteral("dl1abc"));
        typeKeys(QStringLiteral("qrgStringField"), QStringLiteral("14025"));
        typeKeys(QStringLiteral("modeField"), QStringLiteral("c"));
        QTest::keyClick(ui.window, Qt::Key_Return);
        QVERIFY(ui.shell->showScreen(QStringLiteral("qso-detail")));
        QQuickItem *valid = ui.find(QStringLiteral("validSwitch"));
        QVERIFY(valid);
        QVERIFY(valid->property("checked").toBool());
        QVERIFY(!valid->isEnabled());
        QCOMPARE(ui.find(QStringLiteral("dateTimeField"))->property("readOnly").toBool(), true);

        // Editing: the details take the QSO's values and hand back what was chosen.
        ui.click(ui.find(QStringLiteral("editButton")));
        QVERIFY(ui.shell->qsoEditor()->editing());
        ui.shell->qsoEditor()->setField(QStringLiteral("rstrx"), QStringLiteral("579"));
        ui.click(ui.find(QStringLiteral("detailsButton")));
        QQuickItem *inDetails = ui.find(QStringLiteral("detailsValidSwitch"));
        QVERIFY(inDetails);
        QVERIFY(inDetails->property("checked").toBool());
        ui.click(inDetails);
        QMetaObject::invokeMethod(ui.object(QStringLiteral("qsoDetails")), "accept");
        QVERIFY(!ui.shell->qsoEditor()->opIsValid());
        QCOMPARE(ui.shell->qsoEditor()->fields().value(QStringLiteral("adif")).toInt(), -230);
        QCOMPARE(ui.shell->qsoEditor()->fields().value(QStringLiteral("rstrx")).toString(),
                 QStringLiteral("579")); // the unchanged mode leaves the reports alone
    }

    void phoneFormStartsThePileUp_data()
    {
        QTest::addColumn<QString>("qrg");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stop");
        // The mode field takes one key: "c" is CW.
        QTest::newRow("runs") << "14,025.5"
                              << "c" << QString();
        QTest::newRow("low frequency") << "99"
                                       << "c"
                                       << "Frequency invalid";
        QTest::newRow("no mode") << "7025"
                                 << ""
                                 << "No Mode given";
    }
    void phoneFormStartsThePileUp()
    {
        QFETCH(QString, qrg);
        QFETCH(QString, mode);
        QFETCH(QString, stop);
        ui.close();
        QVERIFY(ui.open(*f.app, true));
        QVERIFY(ui.shell->showScreen(QStringLiteral("new-qso")));
        QTRY_VERIFY(ui.find(QStringLiteral("pileUpButton")));
        ui.shell->entryForm()->setField(QStringLiteral("qrgString"), qrg);
        ui.shell->entryForm()->setField(QStringLiteral("mode"), mode);
        ui.click(ui.find(QStringLiteral("pileUpButton")));
        if (stop.isEmpty()) {
            QVERIFY(ui.shell->pileUp()->running());
            QTRY_VERIFY(ui.find(QStringLiteral("logText")));
            QCOMPARE(ui.shell->pileUp()->qrgString(), QStringLiteral("14,025.5"));
            return;
        }
        QVERIFY(!ui.shell->pileUp()->running());
        QObject *alert = ui.object(QStringLiteral("entryAlert"));
        QVERIFY(alert);
        QTRY_VERIFY(alert->property("opened").toBool());
        QCOMPARE(alert->property("title").toString(), QStringLiteral("Can't run a pile up:"));
        QCOMPARE(alert->property("message").toString(), stop);
    }
};

QTEST_MAIN(TestEntryPanel)
#include "tst_entrypanel.moc"
