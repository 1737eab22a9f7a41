// Looking at a stored QSO and changing it: the two modes, the field rules, the date picker, the
// details, and what one save does to the logbook.

#include "LogFixture.h"

#include "entry/QsoEditor.h"
#include "refdata/ClublogDbWriter.h"
#include "refdata/ClublogXml.h"

#include <QFile>
#include <QSignalSpy>

namespace {

/** The hand-written country file of the DXCC tests: DL from 1973-09-17, DL0XYZ France in 2020
 *  but Alaska in June 2020. */
bool writeDatedDxccDatabase(const QString &path)
{
    QFile xml(QStringLiteral(BRINDLEWICK_SOURCE_DIR "/tests/refdata/data/cty_small.xml"));
    if (!xml.open(QIODevice::ReadOnly) || !QFile::copy(":/ClublogDXCC_empty.db", path))
        return false;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    const refdata::ClublogParseResult parsed = refdata::parseClublogXml(xml.readAll());
    return parsed.error.isEmpty() &&
           refdata::writeClublogDatabase(path, parsed.file, [](const QString &) {}).isEmpty();
}

} // namespace

class TestQsoEditor : public QObject {
    Q_OBJECT
    LogFixture f;

    /** Saves the QSO as a new one and gives it back as the list would. */
    QsoClass stored(QsoClass qso)
    {
        LogModel &log = f.app->log();
        return log.qsoById(log.saveNewQSOtoLog(qso).rowid).value_or(QsoClass());
    }

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void refusedSaveKeepsTheWorkingCopy()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        editor.butonEdirQsoPushed();
        editor.setField("name", "Hans");
        editor.leaveField("name");
        QVERIFY(f.makeReadOnly());
        QSignalSpy alert(&editor, &QsoEditor::alertRequested);
        QSignalSpy changed(&editor, &QsoEditor::qsoChanged);
        QSignalSpy closed(&editor, &QsoEditor::closeRequested);
        editor.butonEdirQsoPushed();
        QVERIFY(editor.editing());
        QCOMPARE(editor.qso().name, "Hans");
        QCOMPARE(editor.orgQSO().name, "");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(alert.count(), 1);
        QCOMPARE(alert.at(0).at(1).toString(),
                 "The logbook could not store the QSO: attempt to write a readonly database");
    }

    void viewAndEditModes()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        QVERIFY(!editor.editing());
        QCOMPARE(editor.buttonText(), "Edit QSO");
        QCOMPARE(editor.tint(), "#00000000");
        editor.setField("name", "Hans");
        QCOMPARE(editor.qso().name, ""); // read-only until "Edit QSO"

        editor.butonEdirQsoPushed();
        QVERIFY(editor.editing());
        QCOMPARE(editor.buttonText(), "Save QSO");
        QCOMPARE(editor.tint(), "#33ff0000");

        // A record asked for in editing opens in editing.
        QsoEditor straight(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        straight.setQso(stored(LogFixture::qso("DL2ABC", "2025-06-01 11:00:00")), true);
        QVERIFY(straight.editing());
    }

    void changingOnlyTheNoteKeepsClublog()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        f.store({LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")}); // clublog "Y"
        editor.setQso(f.app->log().getlastQSOs(0).value(0));
        QSignalSpy changed(&editor, &QsoEditor::qsoChanged);
        QSignalSpy closed(&editor, &QsoEditor::closeRequested);
        editor.butonEdirQsoPushed();
        editor.setField("note", "Nice signal, 100% copy");
        editor.leaveField("note");
        editor.butonEdirQsoPushed();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(f.column("clublog"), QStringList{"Y"});
        QCOMPARE(f.app->log().getlastQSOs(0).value(0).note, "Nice signal, 100% copy");
        QCOMPARE(f.column("callsign"), QStringList{"DL1ABC"});
    }

    void movingToAnotherEntityRebuildsBothDxInfos()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        LogModel &log = f.app->log();
        const QString neverWorked = log.getDxInfoString(1);
        QVERIFY(log.getDxInfoString(230) != neverWorked);
        QCOMPARE(log.getDxInfoString(291), neverWorked);

        editor.butonEdirQsoPushed();
        editor.setField("callsign", "k1 abc");
        QCOMPARE(editor.qso().callsign, "K1ABC");
        editor.leaveField("callsign");
        QCOMPARE(editor.qso().adif, 291);
        QCOMPARE(editor.qso().dxcc, "K");
        QCOMPARE(editor.qso().cnt, "NA");
        QCOMPARE(editor.qso().prefix, "K1");
        QCOMPARE(editor.qso().cq, "5");
        editor.butonEdirQsoPushed();

        QCOMPARE(log.getDxInfoString(230), neverWorked);
        QVERIFY(log.getDxInfoString(291) != neverWorked);
        QCOMPARE(f.column("dxccadif"), QStringList{"291"});
    }

    void entityAtTheQsoDate_data()
    {
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("when");
        QTest::addColumn<int>("adif");
        QTest::newRow("DL before 1973-09-17 is the old Germany") << "DL1ABC"
                                                                 << "1972-05-01 10:00" << 81;
        QTest::newRow("DL after its start") << "DL1ABC"
                                            << "1974-05-01 10:00" << 230;
        QTest::newRow("exception in 2020") << "DL0XYZ"
                                           << "2020-03-01 10:00" << 227;
        QTest::newRow("narrower exception in June 2020") << "DL0XYZ"
                                                         << "2020-06-15 10:00" << 6;
        QTest::newRow("after the exceptions") << "DL0XYZ"
                                              << "2021-03-01 10:00" << 230;
    }

    void entityAtTheQsoDate()
    {
        QFETCH(QString, callsign);
        QFETCH(QString, when);
        QFETCH(int, adif);
        QFile::remove(f.dir->filePath("ClublogDXCC.db"));
        QVERIFY(writeDatedDxccDatabase(f.dir->filePath("ClublogDXCC.db")));
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso(callsign, "2023-01-01 10:00:00")));
        editor.butonEdirQsoPushed();
        QVERIFY(editor.newDateTimeText(when));
        QCOMPARE(editor.qso().adif, adif);
        QCOMPARE(editor.qso().sqlDateTime(), when + ":00");
        QCOMPARE(editor.qso().timeText(), QString(when.right(5)).remove(':'));
        // The callsign field re-resolves at the date now shown.
        editor.setField("callsign", callsign);
        editor.leaveField("callsign");
        QCOMPARE(editor.qso().adif, adif);
    }

    void validitySwitchSetsTheSign()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        editor.butonEdirQsoPushed();
        editor.newDetailsSelected({}, {}, {}, {}, {}, false, {});
        editor.butonEdirQsoPushed();
        QCOMPARE(f.column("dxccadif"), QStringList{"-230"});

        const QsoClass invalid = f.app->log().getlastQSOs(0).value(0);
        editor.setQso(invalid);
        QVERIFY(!editor.opIsValid());
        editor.butonEdirQsoPushed();
        editor.newDetailsSelected({}, {}, {}, {}, {}, true, {});
        editor.butonEdirQsoPushed();
        QCOMPARE(f.column("dxccadif"), QStringList{"230"});
    }

    void frequency_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("qrgString");
        QTest::addColumn<double>("qrg");
        QTest::addColumn<QString>("band");
        QTest::newRow("grouping pattern") << "7,030.5"
                                          << "7,030.5" << 7030.5 << "40m";
        QTest::newRow("plain number") << "3525"
                                      << "3,525.0" << 3525.0 << "80m";
        QTest::newRow("no number keeps the stored frequency") << "abc"
                                                              << "14,025.0" << 14025.0 << "20m";
    }

    void frequency()
    {
        QFETCH(QString, typed);
        QFETCH(QString, qrgString);
        QFETCH(double, qrg);
        QFETCH(QString, band);
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        editor.butonEdirQsoPushed();
        editor.setField("qrgString", typed);
        editor.leaveField("qrgString");
        QCOMPARE(editor.fields().value("qrgString").toString(), qrgString);
        QCOMPARE(editor.qso().qrg, qrg);
        QCOMPARE(editor.qso().band, band);
    }

    void keys()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("DL1ABC", "2025-06-01 10:00:00")));
        editor.butonEdirQsoPushed();
        QSignalSpy ended(&editor, &QsoEditor::fieldEditingEnded);
        QVERIFY(editor.typeModeKey("p"));
        QCOMPARE(editor.qso().mode, "PSK31");
        QVERIFY(!editor.typeModeKey("z"));
        QCOMPARE(editor.qso().mode, "PSK31");
        QVERIFY(!editor.typeQslKey("lotwqsl", "r"));
        QVERIFY(editor.typeQslKey("lotwqsl", "x"));
        QVERIFY(editor.typeQslKey("qsl", "q"));
        QCOMPARE(editor.qso().lotwqsl + editor.qso().qsl, "XQ");
        QCOMPARE(ended.count(), 2);
        editor.setField("locator", "jo 62qm");
        QCOMPARE(editor.qso().locator, "JO62QM");
        editor.setField("name", "Hans");
        QCOMPARE(editor.qso().name, "Hans");
    }

    void details()
    {
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(LogFixture::qso("K1ABC", "2025-06-01 10:00:00")));
        editor.butonEdirQsoPushed();
        QCOMPARE(editor.powerIndex(), 5); // nothing stored reads as "Unknown"
        editor.newDetailsSelected("SSB", "100W", "MA", "Middlesex", {}, {}, 7);
        QCOMPARE(editor.qso().mode, "SSB");
        QCOMPARE(editor.qso().rsttx + editor.qso().rstrx, "5959");
        QCOMPARE(editor.qso().power, "100W");
        QCOMPARE(editor.qso().county, "MA,Middlesex");
        // The details dialog gets back what it set.
        QCOMPARE(editor.countyName(), "Middlesex");
        QCOMPARE(editor.powerIndex(), 6);
        QCOMPARE(editor.powerText(), "100W");
        QCOMPARE(editor.qso().colorCode, 7);
        editor.newDetailsSelected({}, {}, {}, {}, 6, {}, {});
        QCOMPARE(editor.qso().adif, 6);
        QCOMPARE(editor.qso().callsign, "K1ABC");
        // Nothing is written before "Save QSO".
        QCOMPARE(f.column("mode"), QStringList{"CW"});
    }
};

QTEST_GUILESS_MAIN(TestQsoEditor)
#include "tst_qsoeditor.moc"
