#include "refdata/BandTable.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace refdata;

namespace {

using Rows = QList<QVariantList>;

BandTable tableOf(const Rows &rows)
{
    QVariantList stored;
    for (const QVariantList &row : rows)
        stored.append(QVariant(row));
    return BandTable::fromVariant(stored);
}

/** An IARU Region 1 style table, written out here so the tests do not follow default edits. */
Rows planRows()
{
    return {{1800, 1838, 1843, 2000},         {3500, 3570, 3600, 4000},
            {7000, 7040, 7060, 7300},         {10100, 10130, 10150, 10150},
            {14000, 14070, 14112, 14350},     {18068, 18095, 18120, 18168},
            {21000, 21070, 21151, 21450},     {24890, 24915, 24940, 24990},
            {28000, 28070, 28320, 29700},     {50000, 50100, 50300, 54000},
            {144000, 144150, 144400, 148000}, {430000, 432100, 432400, 440000}};
}

QVariantList shippedBandTable()
{
    QFile file(QStringLiteral(BRINDLEWICK_SOURCE_DIR "/resources/defaults.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("QRGs"))
        .toVariant()
        .toList();
}

} // namespace

class TestRefdata : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bandOfFrequency_data();
    void bandOfFrequency();
    void bandTableVariants_data();
    void bandTableVariants();
    void modeOfFrequency_data();
    void modeOfFrequency();
    void modeOfStoredMode_data();
    void modeOfStoredMode();
    void bandNames_data();
    void bandNames();
    void shippedTableIsSound();
    void facadeFollowsPreferences();
    void facadeSunTimesFollowClock();

private:
    BandTable m_plan;
};

void TestRefdata::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_plan = tableOf(planRows());
}

void TestRefdata::bandOfFrequency_data()
{
    QTest::addColumn<double>("kHz");
    QTest::addColumn<int>("xBand");
    QTest::addColumn<QString>("band");
    QTest::newRow("lower edge of 20m belongs to it") << 14000.0 << 5 << "20m";
    QTest::newRow("upper edge of 20m belongs to it") << 14350.0 << 5 << "20m";
    QTest::newRow("just above 20m is unknown") << 14350.1 << 0 << "??";
    QTest::newRow("70cm upper edge") << 440000.0 << 12 << "70cm";
    QTest::newRow("60m lower edge") << 5325.0 << 19 << "60m";
    QTest::newRow("60m upper edge") << 5425.0 << 19 << "60m";
    QTest::newRow("just above 60m is unknown") << 5425.1 << 0 << "??";
    QTest::newRow("2.2km") << 136.0 << 22 << "2.2km";
    QTest::newRow("630m") << 475.0 << 23 << "630m";
    QTest::newRow("23cm") << 1296000.0 << 13 << "23cm";
    QTest::newRow("23cm upper edge in MHz") << 1300000.0 << 13 << "23cm";
    QTest::newRow("just above 23cm") << 1300000.5 << 0 << "??";
    QTest::newRow("9cm lower edge") << 3400000.0 << 15 << "9cm";
    QTest::newRow("1.2cm") << 24048000.0 << 18 << "1.2cm";
    QTest::newRow("1.2cm ends at 24.25 GHz") << 24250000.0 << 18 << "1.2cm";
    QTest::newRow("above 1.2cm is unknown") << 24250001.0 << 0 << "??";
    QTest::newRow("47 GHz has no number") << 47088000.0 << 0 << "??";
    QTest::newRow("zero") << 0.0 << 0 << "??";
}

void TestRefdata::bandOfFrequency()
{
    QFETCH(double, kHz);
    QFETCH(int, xBand);
    QFETCH(QString, band);
    QCOMPARE(qrg2xBand(m_plan, kHz), xBand);
    QCOMPARE(qrg2mBand(m_plan, kHz), band);
}

void TestRefdata::bandTableVariants_data()
{
    QTest::addColumn<BandTable>("table");
    QTest::addColumn<double>("kHz");
    QTest::addColumn<int>("xBand");
    QTest::addColumn<QString>("mode");

    Rows eleven = planRows();
    eleven.removeLast();
    QTest::newRow("11 rows: HF unknown") << tableOf(eleven) << 14000.0 << 0 << "??";
    QTest::newRow("11 rows: 60m still fixed") << tableOf(eleven) << 5400.0 << 19 << "??";
    QTest::newRow("11 rows: 23cm still fixed") << tableOf(eleven) << 1296000.0 << 13 << "??";

    Rows overlapping = planRows();
    overlapping[11] = {5300, 5350, 5360, 5500};
    QTest::newRow("edited row wins over a fixed range")
        << tableOf(overlapping) << 5400.0 << 12 << "??";

    Rows thirteen = planRows();
    thirteen.append({5300, 5350, 5360, 5500});
    thirteen.append({1, 2, 3, 4});
    QTest::newRow("rows after the twelfth never count")
        << tableOf(thirteen) << 5400.0 << 19 << "??";

    Rows shortRow = planRows();
    shortRow[4] = {14000, 14070, 14112};
    QTest::newRow("three-number row is skipped") << tableOf(shortRow) << 14200.0 << 0 << "??";
    QTest::newRow("other rows unaffected by a short row")
        << tableOf(shortRow) << 7100.0 << 3 << "Phone";

    Rows textRow = planRows();
    textRow[4] = {QStringLiteral("14000"), QStringLiteral("14070"), QStringLiteral("14112"),
                  QStringLiteral("14350")};
    QTest::newRow("numeric texts are numbers") << tableOf(textRow) << 14080.0 << 5 << "Digi";
    textRow[4][1] = QStringLiteral("x");
    QTest::newRow("a row ends at a non-number") << tableOf(textRow) << 14080.0 << 0 << "??";

    Rows noDigital = planRows();
    noDigital[4] = {14000, 14070, 14070, 14350};
    QTest::newRow("column 1 equal to column 2 is phone")
        << tableOf(noDigital) << 14070.0 << 5 << "Phone";
    QTest::newRow("empty table") << BandTable() << 14000.0 << 0 << "??";
}

void TestRefdata::bandTableVariants()
{
    QFETCH(BandTable, table);
    QFETCH(double, kHz);
    QFETCH(int, xBand);
    QFETCH(QString, mode);
    QCOMPARE(qrg2xBand(table, kHz), xBand);
    QCOMPARE(qrg2Mode(table, kHz), mode);
}

void TestRefdata::modeOfFrequency_data()
{
    QTest::addColumn<double>("kHz");
    QTest::addColumn<int>("xMode");
    QTest::addColumn<QString>("mode");
    QTest::newRow("band edge is CW") << 14000.0 << 1 << "CW";
    QTest::newRow("just below column 1 is CW") << 14069.9 << 1 << "CW";
    QTest::newRow("column 1 is no longer CW") << 14070.0 << 2 << "Digi";
    QTest::newRow("just below column 2 is digital") << 14111.9 << 2 << "Digi";
    QTest::newRow("column 2 is phone") << 14112.0 << 3 << "Phone";
    QTest::newRow("upper edge is phone") << 14350.0 << 3 << "Phone";
    QTest::newRow("FT8 on 160m") << 1840.0 << 2 << "Digi";
    QTest::newRow("10m is the last band with a plan") << 28500.0 << 3 << "Phone";
    QTest::newRow("6m gets no guess") << 50100.0 << 0 << "??";
    QTest::newRow("60m gets no guess") << 5400.0 << 0 << "??";
    QTest::newRow("outside every band") << 12000.0 << 0 << "??";
}

void TestRefdata::modeOfFrequency()
{
    QFETCH(double, kHz);
    QFETCH(int, xMode);
    QFETCH(QString, mode);
    QCOMPARE(qrg2xMode(m_plan, kHz), xMode);
    QCOMPARE(qrg2Mode(m_plan, kHz), mode);
}

void TestRefdata::modeOfStoredMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("xMode");
    QTest::newRow("CW") << "CW" << 1;
    QTest::newRow("SSB") << "SSB" << 3;
    QTest::newRow("FM") << "FM" << 3;
    QTest::newRow("Phone") << "Phone" << 3;
    QTest::newRow("lower-case ssb is digital") << "ssb" << 2;
    QTest::newRow("empty is digital") << "" << 2;
    QTest::newRow("RTTY") << "RTTY" << 2;
    QTest::newRow("FT8") << "FT8" << 2;
}

void TestRefdata::modeOfStoredMode()
{
    QFETCH(QString, mode);
    QFETCH(int, xMode);
    QCOMPARE(mode2xMode(mode), xMode);
}

void TestRefdata::bandNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("xBand");
    QTest::addColumn<double>("startKHz");
    QTest::newRow("160m") << "160m" << 1 << 1800.0;
    QTest::newRow("6m starts at 51 MHz") << "6m" << 10 << 51000.0;
    QTest::newRow("1.2cm") << "1.2cm" << 18 << 24000000.0;
    QTest::newRow("2.2km") << "2.2km" << 22 << 135.0;
    QTest::newRow("630m") << "630m" << 23 << 472.0;
    QTest::newRow("upper case: no number, but a frequency") << "70CM" << 0 << 430000.0;
    QTest::newRow("not a band") << "11m" << 0 << 0.0;
    QTest::newRow("empty") << "" << 0 << 0.0;
}

void TestRefdata::bandNames()
{
    QFETCH(QString, name);
    QFETCH(int, xBand);
    QFETCH(double, startKHz);
    QCOMPARE(band2xBand(name), xBand);
    QCOMPARE(mBand2qrg(name), startKHz);
}

void TestRefdata::shippedTableIsSound()
{
    const BandTable shipped = BandTable::fromVariant(shippedBandTable());
    QCOMPARE(shipped.rowCount(), BandTable::kRows);
    for (int xBand = 1; xBand <= BandTable::kRows; ++xBand) {
        const BandTable::Row &row = shipped.row(xBand);
        QVERIFY(BandTable::isComplete(row));
        QVERIFY2(std::is_sorted(row.begin(), row.end()), qPrintable(bandName(xBand)));
    }
    // Every band's start frequency falls in that band, and no two bands overlap it.
    for (int xBand = 1; xBand <= kBandCount; ++xBand) {
        const QString name = bandName(xBand);
        QCOMPARE(qrg2xBand(shipped, mBand2qrg(name)), xBand);
    }
}

void TestRefdata::facadeFollowsPreferences()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppDelegate app(DataFolder::at(dir.path()));
    MyFunctions &functions = app.functions();
    QCOMPARE(functions.qrg2Mode(14074.0), QStringLiteral("Digi"));
    QVERIFY(!functions.newOnesOnly());

    QVariantList eleven = app.defaults().list(QStringLiteral("QRGs"));
    eleven.removeLast();
    app.defaults().setValue(QStringLiteral("QRGs"), eleven);
    app.defaults().setValue(QStringLiteral("NewOnesOnly"), true);
    app.defaults().setValue(QStringLiteral("CallsToMark"), QStringList{QStringLiteral("DL1ABC")});
    app.defaults().sync();

    QCOMPARE(functions.qrg2xBand(14000.0), 0);
    QCOMPARE(functions.qrg2Mode(14000.0), QStringLiteral("??"));
    QCOMPARE(functions.qrg2xBand(5400.0), 19);
    QVERIFY(functions.newOnesOnly());
    QCOMPARE(functions.callsignsToMark(), QStringList{QStringLiteral("DL1ABC")});
}

void TestRefdata::facadeSunTimesFollowClock()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppDelegate app(DataFolder::at(dir.path()));
    const MyFunctions &functions = app.functions();
    app.clock().setFixed(QDateTime(QDate(2024, 6, 21), QTime(12, 0), QTimeZone::utc()));
    QCOMPARE(functions.calcSunset(QStringLiteral("JR00"), -0.833), QStringLiteral("++++"));
    QVERIFY(functions.calcSunElevation(QStringLiteral("JR00")) > 0.0);
    app.clock().setFixed(QDateTime(QDate(2024, 12, 21), QTime(12, 0), QTimeZone::utc()));
    QCOMPARE(functions.calcSunrise(QStringLiteral("JR00"), -0.833), QStringLiteral("----"));
    QVERIFY(functions.calcSunElevation(QStringLiteral("JR00")) < 0.0);
}

QTEST_GUILESS_MAIN(TestRefdata)
#include "tst_refdata.moc"
