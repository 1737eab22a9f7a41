// Looking at a stored QSO and changing it: the two modes, the field rules, the date picker, the
// details, the ADIF fields without a column, and what one save does to the logbook.

#include "LogFixture.h"

#include "entry/QsoEditor.h"
#include "refdata/ClublogDbWriter.h"
#include "refdata/ClublogXml.h"

#include <QAbstractItemModelTester>
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

/** Fields as "name=value", with ":type" when a type indicator is kept. */
QStringList described(const ExtraFields &fields)
{
    QStringList texts;
    for (const ExtraField &field : fields)
        texts << field.name + QLatin1Char('=') + field.value +
                     (field.type.isEmpty() ? QString() : QLatin1Char(':') + field.type);
    return texts;
}

QStringList sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

/** What a QSO imported from another program carries beside the logbook's columns. */
ExtraFields importedFields()
{
    ExtraFields fields;
    fields.set(u"SIG", QStringLiteral("POTA"));
    fields.set(u"sig_info", QStringLiteral("K-0817"));
    fields.set(u"APP_N1MM_ID", QStringLiteral("ab12"), QStringLiteral("S"));
    return fields;
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

    void extraFieldEdits_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");

        const QStringList unchanged = described(importedFields());
        const auto plus = [&](const QString &field) { return unchanged + QStringList{field}; };
        QTest::newRow("a standard field is added in lower case")
            << "add" << -1 << "MY_GRIDSQUARE"
            << "JO40df" << true << plus("my_gridsquare=JO40df") << "";
        QTest::newRow("blanks around a name are dropped, the value is kept as typed")
            << "add" << -1 << " My_City "
            << " Bad Homburg " << true << plus("my_city= Bad Homburg ") << "";
        QTest::newRow("another program's field") << "add" << -1 << "APP_LOG4OM_ID"
                                                 << "7" << true << plus("app_log4om_id=7") << "";
        QTest::newRow("a field there already, in another case")
            << "add" << -1 << "Sig_Info"
            << "K-0001" << false << unchanged
            << "SIG_INFO is there already: change its value in its row";
        QTest::newRow("a blank inside a name")
            << "add" << -1 << "MY GRID"
            << "JO40" << false << unchanged << "Not an ADIF field name: \"MY GRID\"";
        QTest::newRow("a name that would close the record")
            << "add" << -1 << "eor>"
            << "x" << false << unchanged << "Not an ADIF field name: \"eor>\"";
        QTest::newRow("a name with a length")
            << "add" << -1 << "notes:3"
            << "abc" << false << unchanged << "Not an ADIF field name: \"notes:3\"";
        QTest::newRow("no name") << "add" << -1 << "  "
                                 << "x" << false << unchanged << "Not an ADIF field name: \"\"";
        const QString tooLong(65, QLatin1Char('A'));
        QTest::newRow("a name longer than 64 characters")
            << "add" << -1 << tooLong << "x" << false << unchanged
            << QStringLiteral("Not an ADIF field name: \"%1\"").arg(tooLong);
        QTest::newRow("the call has a column")
            << "add" << -1 << "call"
            << "DL1ABC" << false << unchanged
            << "CALL is kept in the QSO's own field \"callsign\", not as an extra field";
        QTest::newRow("the submode is kept in the mode")
            << "add" << -1 << "SUBMODE"
            << "USB" << false << unchanged
            << "SUBMODE is kept in the QSO's own field \"mode\", not as an extra field";
        QTest::newRow("a user field's ADIF name has a column")
            << "add" << -1 << "contest_id"
            << "CQ-WW-CW" << false << unchanged
            << "CONTEST_ID is kept in the QSO's own field \"user_2\", not as an extra field";
        QTest::newRow("a field without a value")
            << "add" << -1 << "MY_CITY"
            << "" << false << unchanged << "MY_CITY needs a value";
        QTest::newRow("a blank value is no value")
            << "add" << -1 << "MY_CITY"
            << "   " << false << unchanged << "MY_CITY needs a value";
        QTest::newRow("a changed value keeps its type indicator")
            << "set" << 2 << ""
            << "cd34" << true << QStringList{"sig=POTA", "sig_info=K-0817", "app_n1mm_id=cd34:S"}
            << "";
        QTest::newRow("an emptied value removes the field")
            << "set" << 0 << ""
            << "" << true << QStringList{"sig_info=K-0817", "app_n1mm_id=ab12:S"} << "";
        QTest::newRow("removing a field")
            << "remove" << 1 << ""
            << "" << true << QStringList{"sig=POTA", "app_n1mm_id=ab12:S"} << "";
        QTest::newRow("no row past the end") << "remove" << 3 << ""
                                             << "" << false << unchanged << "";
        QTest::newRow("no row before the start") << "set" << -1 << ""
                                                 << "x" << false << unchanged << "";
    }

    void extraFieldEdits()
    {
        QFETCH(QString, action);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        QFETCH(QStringList, after);
        QFETCH(QString, message);

        ExtraFieldsModel model;
        QAbstractItemModelTester tester(&model);
        model.setFields(importedFields(), {"app_tarvex_userfield_1", "CONTEST_ID",
                                           "app_tarvex_userfield_3", "app_tarvex_userfield_4"});
        QVERIFY(!model.add("MY_CITY", "Berlin")); // only while the QSO is edited
        model.setEditable(true);
        QSignalSpy edited(&model, &ExtraFieldsModel::fieldsEdited);
        bool done = false;
        if (action == "add")
            done = model.add(name, value);
        else if (action == "set")
            done = model.setValue(row, value);
        else
            done = model.remove(row);
        QCOMPARE(done, accepted);
        QCOMPARE(described(model.fields()), after);
        QCOMPARE(model.message(), message);
        QCOMPARE(edited.count(), accepted ? 1 : 0);
        QCOMPARE(model.rowCount(), after.size());
        if (model.rowCount() > 0)
            QCOMPARE(model.index(model.rowCount() - 1).data(ExtraFieldsModel::NameRole).toString(),
                     after.constLast().section(QLatin1Char('='), 0, 0).toUpper());
    }

    void extraFieldsAreSavedWithTheQso()
    {
        QsoClass qso = LogFixture::qso("DL1ABC", "2025-06-01 10:00:00");
        qso.extraFields = importedFields();
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(stored(qso));
        QCOMPARE(sorted(described(editor.qso().extraFields)), sorted(described(importedFields())));
        ExtraFieldsModel &fields = *editor.extraFields();
        QCOMPARE(fields.rowCount(), 3);
        QVERIFY(!fields.editable());
        const auto rowOf = [&fields](const QString &name) {
            for (int row = 0; row < fields.rowCount(); ++row)
                if (fields.index(row).data(ExtraFieldsModel::NameRole) == name)
                    return row;
            return -1;
        };

        editor.butonEdirQsoPushed();
        QVERIFY(fields.editable());
        QVERIFY(fields.remove(rowOf("SIG")));
        QVERIFY(fields.setValue(rowOf("SIG_INFO"), "K-0818"));
        QVERIFY(fields.add("my_pota_ref", "DE-0001"));
        const QStringList edited = {"app_n1mm_id=ab12:S", "my_pota_ref=DE-0001", "sig_info=K-0818"};
        QCOMPARE(sorted(described(editor.qso().extraFields)), edited);
        editor.butonEdirQsoPushed();
        QVERIFY(!fields.editable());

        const std::optional<QsoClass> reread = f.app->log().qsoById(*editor.orgQSO().id);
        QVERIFY(reread);
        QCOMPARE(sorted(described(reread->extraFields)), edited);
    }

    /** The log list hands over a QSO without its other ADIF fields: saving it must not drop
     *  them. */
    void aQsoFromTheListKeepsItsFields()
    {
        QsoClass qso = LogFixture::qso("DL1ABC", "2025-06-01 10:00:00");
        qso.extraFields = importedFields();
        QsoClass listed = stored(qso);
        listed.extraFields.clear();
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(listed, true);
        QCOMPARE(editor.extraFields()->rowCount(), 3);
        editor.setField("name", "Hans");
        editor.butonEdirQsoPushed();
        const std::optional<QsoClass> reread = f.app->log().qsoById(*listed.id);
        QVERIFY(reread);
        QCOMPARE(reread->name, "Hans");
        QCOMPARE(sorted(described(reread->extraFields)), sorted(described(importedFields())));
    }

    void cancelForgetsExtraFieldEdits()
    {
        QsoClass qso = LogFixture::qso("DL1ABC", "2025-06-01 10:00:00");
        qso.extraFields = importedFields();
        QsoEditor editor(f.app->defaults(), f.app->log(), f.app->dxcc(), f.app->functions());
        editor.setQso(qso, true);
        QVERIFY(editor.extraFields()->add("MY_CITY", "Berlin"));
        QVERIFY(!editor.extraFields()->add("MY CITY", "Berlin"));
        editor.cancel();
        QCOMPARE(described(editor.qso().extraFields), described(importedFields()));
        QCOMPARE(editor.extraFields()->rowCount(), 3);
        QCOMPARE(editor.extraFields()->message(), "");
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
