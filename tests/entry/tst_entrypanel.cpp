// The entry forms in an offscreen window: what the operator types shows up in the info
// lines, and a QSO that cannot be logged brings up the alert instead of being stored.

#include "../shell/ShellFixture.h"
#include "../ui/QmlWindow.h"
#include "cluster/ClusterScreen.h"
#include "entry/LogListModel.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"

#include <QColor>
#include <QSignalSpy>

#include <cmath>

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

    /** The window in one layout, with the entry form in front. */
    bool reopen(bool phone)
    {
        ui.close();
        if (!ui.open(*f.app, phone))
            return false;
        return ui.shell->showScreen(phone ? screens::Screen::NewQso : screens::Screen::Log);
    }

    /** KL7TC logged with everything a later QSO could wrongly inherit. */
    void logFirstStation()
    {
        QsoEntryForm &form = *ui.shell->entryForm();
        form.setField(QStringLiteral("callsign"), QStringLiteral("KL7TC"));
        form.leaveField(QStringLiteral("callsign"));
        form.setField(QStringLiteral("qrgString"), QStringLiteral("14025"));
        form.typeModeKey(QStringLiteral("c"));
        for (const auto &[field, text] :
             {std::pair{"name", "TOM"}, std::pair{"qth", "NOME"}, std::pair{"locator", "BP64KM"},
              std::pair{"manager", "W3HNK"}, std::pair{"note", "OLD"}})
            form.setField(QString::fromLatin1(field), QString::fromLatin1(text));
        QCOMPARE(form.save(), QString());
        form.newQso();
    }

    [[nodiscard]] QsoClass storedQso(const QString &callsign)
    {
        const QList<QsoClass> found = f.app->log().getAllQSOsWith(callsign);
        return found.size() == 1 ? found.constFirst() : QsoClass();
    }

    void typeAndReturn(const QString &field, const QString &text)
    {
        QQuickItem *input = ui.find(field);
        QVERIFY(input);
        ui.type(input, text);
    }

    /** WCAG's relative luminance of a colour. */
    static double luminance(const QColor &c)
    {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    }

    /** The texts shown below an item as (text, contrast against the background), each colour
     *  blended with its transparency and the opacity of the items around it. */
    static void collectContrasts(QQuickItem *item, const QColor &background, double opacity,
                                 QList<std::pair<QString, double>> &out)
    {
        // Disabled texts are exempt; a highlighted button's label sits on its own colour.
        if (!item->isVisible() || !item->isEnabled() || item->property("highlighted").toBool())
            return;
        opacity *= item->opacity();
        const QString text = item->property("text").toString();
        const bool isText = item->inherits("QQuickText") || item->inherits("QQuickTextInput");
        if (isText && !text.trimmed().isEmpty()) {
            const QColor c = item->property("color").value<QColor>();
            const double a = c.alphaF() * opacity;
            const QColor seen =
                QColor::fromRgbF(float(c.redF() * a + background.redF() * (1 - a)),
                                 float(c.greenF() * a + background.greenF() * (1 - a)),
                                 float(c.blueF() * a + background.blueF() * (1 - a)));
            const double l1 = luminance(seen);
            const double l2 = luminance(background);
            out.append({text, (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05)});
        }
        for (QQuickItem *child : item->childItems())
            collectContrasts(child, background, opacity, out);
    }

    /** Fields and buttons below an item whose right edge lies beyond `width`. */
    static void collectOffScreen(QQuickItem *item, qreal width, QStringList &out)
    {
        if (!item->isVisible())
            return;
        const bool control =
            item->inherits("QQuickTextInput") || item->inherits("QQuickAbstractButton");
        if (control && item->mapToScene(QPointF(item->width(), 0)).x() > width + 0.5)
            out << item->objectName() + u':' + item->property("text").toString();
        for (QQuickItem *child : item->childItems())
            collectOffScreen(child, width, out);
    }

    static void layouts()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
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
        QVERIFY(ui.shell->showScreen(screens::Screen::Log));
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

    void tabSkipsTheClockFields()
    {
        QVERIFY(ui.shell->entryForm()->realTime());
        ui.find(QStringLiteral("callsignField"))->forceActiveFocus();
        QTest::keyClick(ui.window, Qt::Key_Tab);
        QVERIFY(ui.find(QStringLiteral("qrgStringField"))->hasActiveFocus());
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
        QVERIFY(ui.shell->showScreen(screens::Screen::QsoDetail));
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

    /** The QSO screen adds a typed ADIF field to the QSO and names a refused one. */
    void otherAdifFieldsAreAddedOnTheQsoScreen()
    {
        typeKeys(QStringLiteral("callsignField"), QStringLiteral("dl1abc"));
        typeKeys(QStringLiteral("qrgStringField"), QStringLiteral("14025"));
        typeKeys(QStringLiteral("modeField"), QStringLiteral("c"));
        QTest::keyClick(ui.window, Qt::Key_Return);
        QVERIFY(ui.shell->showScreen(screens::Screen::QsoDetail));
        ui.click(ui.find(QStringLiteral("editButton")));
        QsoEditor &editor = *ui.shell->qsoEditor();
        QVERIFY(editor.editing());

        typeAndReturn(QStringLiteral("newFieldName"), QStringLiteral("MY GRID"));
        typeAndReturn(QStringLiteral("newFieldValue"), QStringLiteral("JO62QM"));
        QCOMPARE(editor.extraFields()->message(),
                 QStringLiteral("Not an ADIF field name: \"MY GRID\""));
        QVERIFY(editor.qso().extraFields.isEmpty());

        typeAndReturn(QStringLiteral("newFieldName"), QStringLiteral("MY_GRIDSQUARE"));
        typeAndReturn(QStringLiteral("newFieldValue"), QStringLiteral("JO62QM"));
        QCOMPARE(editor.extraFields()->message(), QString());
        QCOMPARE(editor.qso().extraFields.value(u"my_gridsquare"), QStringLiteral("JO62QM"));
        QCOMPARE(ui.textOf(QStringLiteral("extraField_MY_GRIDSQUARE")), QStringLiteral("JO62QM"));
        QCOMPARE(ui.textOf(QStringLiteral("newFieldName")), QString());
    }

    // A spot taken while the form holds another station (on the phone: a stored QSO whose edit
    // was left unsaved) is logged as a QSO of its own; the earlier one keeps its data.
    void aTakenSpotStartsANewQso_data() { layouts(); }
    void aTakenSpotStartsANewQso()
    {
        QFETCH(bool, phone);
        QVERIFY(reopen(phone));
        logFirstStation();
        if (phone) {
            ui.click(ui.find(QStringLiteral("backButton")));
            QVERIFY(ui.shell->showScreen(screens::Screen::Log));
            ui.shell->logList()->loadData();
            ui.shell->logList()->trigger(0, QStringLiteral("editQso"));
            QTRY_VERIFY(ui.shell->entryForm()->editing());
            QTRY_VERIFY(ui.find(QStringLiteral("saveButton")));
            ui.click(ui.find(QStringLiteral("backButton")));
            QTRY_VERIFY(!ui.shell->entryForm()->editing());
        } else {
            ui.find(QStringLiteral("callsignField"))->forceActiveFocus();
            for (const QChar c : QStringLiteral("kl7tc"))
                QTest::keyClick(ui.window, c.toLatin1());
            QTest::keyClick(ui.window, Qt::Key_Tab);
            QCOMPARE(ui.textOf(QStringLiteral("nameField")), QStringLiteral("TOM"));
        }

        // A spot taken from the cluster.
        OneDxSpotClass spot;
        spot.dxCall = QStringLiteral("W1AW");
        spot.qrg = 7025;
        spot.mode = QStringLiteral("CW");
        spot.xMode = 1;
        emit ui.shell->cluster()->spotTaken(spot);
        QTRY_COMPARE(ui.textOf(QStringLiteral("callsignField")), QStringLiteral("W1AW"));
        QCOMPARE(ui.shell->entryForm()->title(), QStringLiteral("New QSO"));
        QCOMPARE(ui.textOf(QStringLiteral("nameField")), QString());
        ui.find(QStringLiteral("callsignField"))->forceActiveFocus();
        QTest::keyClick(ui.window, Qt::Key_Return);

        QCOMPARE(f.app->log().getlastQSOs(10).size(), 2);
        QCOMPARE(storedQso(QStringLiteral("KL7TC")).note, QStringLiteral("OLD"));
        const QsoClass taken = storedQso(QStringLiteral("W1AW"));
        QCOMPARE(taken.band, QStringLiteral("40m"));
        QCOMPARE(taken.note, QString());
        QCOMPARE(taken.name, QString());
    }

    // Replacing the callsign after the form showed what the log knows of the first station: the
    // new call is logged (with Return, on both layouts) without any of it, with the usual
    // reports of the mode.
    void aNewCallsignDropsThePreviousStation_data() { layouts(); }
    void aNewCallsignDropsThePreviousStation()
    {
        QFETCH(bool, phone);
        QVERIFY(reopen(phone));
        logFirstStation();
        QQuickItem *callsign = ui.find(QStringLiteral("callsignField"));
        QVERIFY(callsign);
        callsign->forceActiveFocus();
        for (const QChar c : QStringLiteral("kl7tc"))
            QTest::keyClick(ui.window, c.toLatin1());
        QTest::keyClick(ui.window, Qt::Key_Tab);
        QCOMPARE(ui.textOf(QStringLiteral("nameField")), QStringLiteral("TOM"));
        QCOMPARE(ui.textOf(QStringLiteral("locatorField")), QStringLiteral("BP64KM"));

        typeAndReturn(QStringLiteral("callsignField"), QStringLiteral("w1aw"));
        const QsoClass stored = storedQso(QStringLiteral("W1AW"));
        QCOMPARE(stored.callsign, QStringLiteral("W1AW"));
        for (const QString &text :
             {stored.name, stored.qth, stored.locator, stored.manager, stored.note})
            QCOMPARE(text, QString());
        QCOMPARE(stored.rsttx, QStringLiteral("599"));
        QCOMPARE(stored.rstrx, QStringLiteral("599"));
    }

    // The phone's form stays as wide as the screen once the info lines of a known station
    // appear: no field, switch or button runs off to the right.
    void phoneFormKeepsToTheScreen()
    {
        QVERIFY(reopen(true));
        logFirstStation();
        ui.find(QStringLiteral("callsignField"))->forceActiveFocus();
        for (const QChar c : QStringLiteral("kl7tc"))
            QTest::keyClick(ui.window, c.toLatin1());
        QTest::keyClick(ui.window, Qt::Key_Tab);
        QTRY_COMPARE(ui.textOf(QStringLiteral("stationLine")), QStringLiteral("KL7TC"));
        QStringList off;
        collectOffScreen(ui.find(QStringLiteral("newQsoPage")), ui.window->width(), off);
        QVERIFY2(off.isEmpty(), qPrintable(off.join(QStringLiteral(", "))));
    }

    // A frequency typed into the callsign field tunes the radio with Return as with Tab: no
    // alert, no QSO, and the form stays open.
    void aFrequencyInTheCallsignFieldTunes_data() { layouts(); }
    void aFrequencyInTheCallsignFieldTunes()
    {
        QFETCH(bool, phone);
        QVERIFY(reopen(phone));
        QSignalSpy tune(ui.shell->entryForm(), &QsoEntryForm::tuneRequested);
        typeAndReturn(QStringLiteral("callsignField"), QStringLiteral("7025"));
        QCOMPARE(tune.size(), 1);
        QCOMPARE(ui.textOf(QStringLiteral("callsignField")), QString());
        QVERIFY(f.app->log().getlastQSOs(4).isEmpty());
        QObject *alert = ui.object(QStringLiteral("entryAlert"));
        QVERIFY(alert);
        QTest::qWait(100); // proves that no alert opens
        QVERIFY(!alert->property("opened").toBool());
        QVERIFY(ui.find(QStringLiteral("saveButton")));
    }

    // Every text of the form, typed, looked up or wrong, reads against the background of either
    // theme with a contrast of at least 4.5:1.
    void formTextsKeepTheirContrast_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<int>("theme");
        QTest::newRow("tablet light") << false << 1;
        QTest::newRow("tablet dark") << false << 2;
        QTest::newRow("phone light") << true << 1;
        QTest::newRow("phone dark") << true << 2;
    }
    void formTextsKeepTheirContrast()
    {
        QFETCH(bool, phone);
        QFETCH(int, theme);
        ui.close();
        QVERIFY(ui.open(*f.app, phone, theme));
        QVERIFY(ui.shell->showScreen(phone ? screens::Screen::NewQso : screens::Screen::Log));
        logFirstStation();
        QsoEntryForm &form = *ui.shell->entryForm();
        form.setField(QStringLiteral("callsign"), QStringLiteral("KL7TC"));
        form.leaveField(QStringLiteral("callsign")); // info lines, texts from the log
        form.setField(QStringLiteral("locator"), QStringLiteral("XX")); // a wrong one
        QQuickItem *panel = ui.find(QString::fromLatin1(phone ? "newQsoPage" : "entryPanel"));
        QVERIFY(panel);
        QTest::qWait(50); // lets the info lines and the error colours settle before reading them
        QList<std::pair<QString, double>> texts;
        collectContrasts(panel, ui.window->color(), 1.0, texts);
        QVERIFY(texts.size() > 15);
        QStringList faint;
        for (const auto &[text, ratio] : texts)
            if (ratio < 4.5)
                faint << QStringLiteral("\"%1\" has %2:1").arg(text).arg(ratio, 0, 'f', 2);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    // "QSY TRX" in a spot's menu with no transceiver connected tells so.
    void qsyWithoutARadioSaysSo_data() { layouts(); }
    void qsyWithoutARadioSaysSo()
    {
        QFETCH(bool, phone);
        QVERIFY(reopen(phone));
        QVERIFY(ui.shell->showScreen(screens::Screen::ClusterSpots));
        QObject *menu = nullptr;
        QTRY_VERIFY((menu = ui.object(QStringLiteral("spotMenu"))));
        QObject *qsy = menu->findChild<QObject *>(QStringLiteral("qsyMenuItem"));
        QVERIFY(qsy);
        QSignalSpy tune(ui.shell->cluster(), &cluster::ClusterScreen::tuneRequested);
        QMetaObject::invokeMethod(qsy, "triggered");
        QObject *alert = ui.object(QStringLiteral("noRadioAlert"));
        QVERIFY(alert);
        QTRY_VERIFY(alert->property("opened").toBool());
        QCOMPARE(alert->property("title").toString(), QStringLiteral("No transceiver connected"));
        QCOMPARE(tune.size(), 0);
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
        QVERIFY(ui.shell->showScreen(screens::Screen::NewQso));
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
