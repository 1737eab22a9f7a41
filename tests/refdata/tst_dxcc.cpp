// DXCC resolution: the shipped database against real callsigns, a hand-written country file for
// the date rules, the in-memory copies against the plain statements, and replaced or missing
// database files.

#include "RefdataTestSupport.h"

#include "model/QsoClass.h"
#include "model/QsoEntity.h"
#include "refdata/CachedDxccSource.h"
#include "refdata/DXCCModel.h"
#include "refdata/FileChangeWatch.h"
#include "refdata/SqlDxccSource.h"
#include "root/AppDelegate.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

QDateTime at(const QString &text)
{
    QDateTime instant = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    instant.setTimeZone(QTimeZone::utc());
    return instant;
}

/** An independent reading of cty.csv: exact calls first, then the longest prefix. */
class CtyCsv {
public:
    explicit CtyCsv(const QByteArray &text)
    {
        static const QRegularExpression overrides(
            QStringLiteral("\\(.*?\\)|\\[.*?\\]|<.*?>|\\{.*?\\}|~.*?~"));
        for (const QByteArray &line : text.split('\n')) {
            const QStringList fields = QString::fromLatin1(line).split(QLatin1Char(','));
            if (fields.size() < 10)
                continue;
            const int adif = fields.at(2).toInt();
            const QString list = fields.mid(9).join(QLatin1Char(',')).remove(QLatin1Char(';'));
            for (QString token : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                token.remove(overrides);
                if (token.startsWith(QLatin1Char('=')))
                    m_calls.insert(token.mid(1), adif);
                else
                    m_prefixes.insert(token, adif);
            }
        }
    }
    [[nodiscard]] bool isEmpty() const { return m_prefixes.isEmpty(); }
    [[nodiscard]] bool hasCall(const QString &call) const { return m_calls.contains(call); }
    [[nodiscard]] int entityOf(const QString &call) const
    {
        if (m_calls.contains(call))
            return m_calls.value(call);
        for (qsizetype n = call.size(); n > 0; --n)
            if (m_prefixes.contains(call.left(n)))
                return m_prefixes.value(call.left(n));
        return 0;
    }

private:
    QHash<QString, int> m_calls;
    QHash<QString, int> m_prefixes;
};

/** Calls the resolver's own special prefixes decide (US stations with KC6 and KG4 calls, the
 *  VK9 islands by their fifth letter). */
bool decidedBySpecialPrefix(const QString &call)
{
    const QString first3 = call.left(3);
    if ((first3 == u"KC6" || first3 == u"KG4") && call.size() != 5)
        return true;
    return first3 == u"VK9" && call.size() == 6;
}

} // namespace

class TestDxcc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void shippedDatabase_data();
    void shippedDatabase();
    void ownExceptionListStartsToday();
    void shippedAnswersAgreeWithCtyCsv();
    void shippedLists();
    void shippedPrefixesHaveOneDatedAnswer();

    void datedRules_data();
    void datedRules();
    void operationValidity_data();
    void operationValidity();
    void entityRows();
    void ambiguousPrefixIsLogged();
    void newQsoTakesItsEntity();

    void replacedDatabaseIsSeenAtNextQuery();
    void writesToOtherFilesAreNoChange();
    void missingDatabaseGivesUnknownEntity();

private:
    std::unique_ptr<DXCCModel> smallModel(AppDelegate &app, bool cached);

    QTemporaryDir m_shippedDir;
    QTemporaryDir m_smallDir;
    std::unique_ptr<AppDelegate> m_shipped;
    std::unique_ptr<AppDelegate> m_small;
};

void TestDxcc::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_shippedDir.isValid() && m_smallDir.isValid());
    m_shipped = std::make_unique<AppDelegate>(DataFolder::at(m_shippedDir.path()));
    m_shipped->clock().setFixed(at(QStringLiteral("2024-06-15 12:00:00")));
    m_small = std::make_unique<AppDelegate>(DataFolder::at(m_smallDir.path()));
    m_small->clock().setFixed(at(QStringLiteral("2024-06-15 12:00:00")));
    QVERIFY(testsupport::writeSmallDatabase(
        m_small->folder().filePath(QStringLiteral("ClublogDXCC.db"))));
}

std::unique_ptr<DXCCModel> TestDxcc::smallModel(AppDelegate &app, bool cached)
{
    const QString cl = app.folder().filePath(QStringLiteral("ClublogDXCC.db"));
    const QString iota = app.folder().filePath(QStringLiteral("IOTA.db"));
    if (cached)
        return std::make_unique<DXCCModel>(app.folder(), app.clock(),
                                           std::make_unique<CachedDxccSource>(cl, iota));
    return std::make_unique<DXCCModel>(app.folder(), app.clock(),
                                       std::make_unique<SqlDxccSource>(cl, iota));
}

void TestDxcc::shippedDatabase_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("adif");
    QTest::addColumn<QString>("dxcc");
    QTest::addColumn<QString>("cnt");
    QTest::addColumn<int>("cq");
    QTest::addColumn<int>("itu");
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QString>("iota");
    // cq -1: not part of what the row proves.
    QTest::newRow("portable German") << "DL1ABC/P" << 230 << "DL"
                                     << "Eu" << 14 << 28 << "*"
                                     << "";
    QTest::newRow("prefix after the call") << "G4ABC/F" << 227 << "F"
                                           << "Eu" << -1 << -1 << "*"
                                           << "";
    QTest::newRow("prefix before the call") << "F/G4ABC" << 227 << "F"
                                            << "Eu" << -1 << -1 << "*"
                                            << "";
    QTest::newRow("US call in area 4") << "W1ABC/4" << 291 << "K"
                                       << "NA" << 5 << 8 << "EM85AA"
                                       << "";
    QTest::newRow("KC6 with six characters is the US") << "KC6ABC" << 291 << "K"
                                                       << "NA" << 4 << 7 << "EM08AA"
                                                       << "";
    QTest::newRow("KC6 with five characters goes by its area") << "KC6AB" << 291 << "K"
                                                               << "NA" << 3 << 6 << "CM98HF"
                                                               << "";
    QTest::newRow("VK9X with six characters is Christmas Island") << "VK9XYZ" << 35 << "VK9X"
                                                                  << "Oc" << -1 << -1 << "*"
                                                                  << "OC-002";
    QTest::newRow("maritime mobile") << "DL1ABC/MM" << 0 << "??"
                                     << "??" << 0 << 0 << ""
                                     << "";
    QTest::newRow("empty") << "" << 0 << "??"
                           << "" << 0 << 0 << ""
                           << "";
    QTest::newRow("spotter's trailing dot") << "DL1ABC." << 230 << "DL"
                                            << "Eu" << -1 << -1 << "*"
                                            << "";
    QTest::newRow("Canadian area 7") << "VE7ABC" << 1 << "VE"
                                     << "NA" << 3 << 2 << "CO81HU"
                                     << "";
    QTest::newRow("Asiatic Russia, area 0 suffix Z") << "UA0ZAA" << 15 << "UA9"
                                                     << "As" << 19 << 35 << "QO93LL"
                                                     << "";
    QTest::newRow("Galapagos by call area") << "HC1ABC/8" << 71 << "HC8"
                                            << "SA" << -1 << -1 << "*"
                                            << "*";
    QTest::newRow("European Turkey") << "TA1ABC" << 390 << "TA"
                                     << "Eu" << -1 << -1 << "*"
                                     << "";
    QTest::newRow("Asian Turkey") << "TA2ABC" << 390 << "TA"
                                  << "As" << -1 << -1 << "*"
                                  << "";
    QTest::newRow("lower case is not folded") << "dl1abc" << 0 << "??"
                                              << "" << 0 << 0 << ""
                                              << "";
}

void TestDxcc::shippedDatabase()
{
    QFETCH(QString, call);
    QFETCH(int, cq);
    QFETCH(int, itu);
    QFETCH(QString, locator);
    QFETCH(QString, iota);
    DXCCModel &model = m_shipped->dxcc();
    const CountryClass country = model.getDXCC(call);
    QTEST(country.adif, "adif");
    QTEST(country.dxcc, "dxcc");
    QTEST(country.cnt, "cnt");
    if (cq >= 0) {
        QCOMPARE(country.cq, cq);
        QCOMPARE(country.itu, itu);
    }
    if (locator != u"*")
        QCOMPARE(country.locator, locator);
    if (iota != u"*")
        QCOMPARE(country.iota, iota);
}

void TestDxcc::ownExceptionListStartsToday()
{
    DXCCModel &model = m_shipped->dxcc();
    const QDateTime now = m_shipped->clock().now();
    QCOMPARE(model.getDXCC(QStringLiteral("FT.W"), now).adif, 41);
    QCOMPARE(model.getDXCC(QStringLiteral("VP8/S")).adif, 240);
    QVERIFY(model.getDXCC(QStringLiteral("FT.W"), now.addDays(-1)).adif != 41);
    QCOMPARE(model.searchForFullCallinOwnExceptionList(QStringLiteral("ft.w"), now), -1);
}

void TestDxcc::shippedAnswersAgreeWithCtyCsv()
{
    const CtyCsv cty(testsupport::readFile(QStringLiteral(BRINDLEWICK_TEST_DATA "/cty.csv")));
    const QByteArray sample =
        testsupport::readFile(QStringLiteral(BRINDLEWICK_TEST_DATA "/master_scp_sample.txt"));
    if (cty.isEmpty() || sample.isEmpty())
        QSKIP("cty.csv or the MASTER.SCP sample is missing");
    DXCCModel &model = m_shipped->dxcc();
    int compared = 0;
    QStringList differences;
    for (const QByteArray &line : sample.split('\n')) {
        const QString call = QString::fromLatin1(line).trimmed();
        if (call.isEmpty() || call.startsWith(QLatin1Char('#')) || decidedBySpecialPrefix(call))
            continue;
        // Portable calls follow the resolver's own suffix rules unless listed as they are.
        if (call.contains(QLatin1Char('/')) && !cty.hasCall(call))
            continue;
        ++compared;
        const int expected = cty.entityOf(call);
        const int found = model.getDXCC(call).adif;
        if (found != expected)
            differences << QStringLiteral("%1: %2, cty.csv %3").arg(call).arg(found).arg(expected);
    }
    QVERIFY(compared > 2900);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
}

void TestDxcc::shippedLists()
{
    DXCCModel &model = m_shipped->dxcc();
    const QList<CountryClass> all = model.getAllDXCCs();
    QVERIFY(all.size() > 400);
    QCOMPARE(all.at(0).adif, -999);
    QCOMPARE(all.at(1).dxcc, QStringLiteral("??"));
    for (qsizetype i = 3; i < all.size(); ++i)
        QVERIFY2(all.at(i - 1).dxcc <= all.at(i).dxcc, qPrintable(all.at(i).dxcc));
    QVERIFY(model.getAllStates().contains(QStringLiteral("MA")));
    const QStringList counties = model.getAllCountiesForState(QStringLiteral("MA"));
    QCOMPARE(counties.value(0), QStringLiteral("??"));
    QVERIFY(counties.contains(QStringLiteral("Hampden")));
    QCOMPARE(model.getItuForDxccAdif(230), 28);
}

void TestDxcc::shippedPrefixesHaveOneDatedAnswer()
{
    // Two dated rows of one prefix valid at the same instant would make the resolver guess.
    const DXCCModel &model = m_shipped->dxcc();
    db::Database database;
    QCOMPARE(database.open(model.fullClDatabasePath(), db::Database::Mode::ReadOnly), 0);
    db::Statement overlaps = database.prepare(QStringLiteral(
        "select a.prefix from prefixes a join prefixes b on a.prefix=b.prefix and "
        "a.rowid<b.rowid and a.start<=b.end and b.start<=a.end where a.end<>? and b.end<>?"));
    overlaps.bindAll(
        {QStringLiteral("2099-12-31 23:59:59"), QStringLiteral("2099-12-31 23:59:59")});
    QStringList prefixes;
    while (overlaps.step())
        prefixes << overlaps.text(0);
    QCOMPARE(prefixes, QStringList());
}

void TestDxcc::datedRules_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("adif");
    QTest::addColumn<QString>("dxcc");
    QTest::newRow("German prefix before 1973 is the old Germany")
        << "DL1ABC"
        << "1970-01-01 00:00:00" << 81 << "DL";
    QTest::newRow("German prefix today") << "DL1ABC"
                                         << "2020-01-01 00:00:00" << 230 << "DL";
    QTest::newRow("dated prefix row beats the open one") << "FX1ABC"
                                                         << "2022-06-01 00:00:00" << 230 << "DL";
    QTest::newRow("open prefix row outside the dated one") << "FX1ABC"
                                                           << "2023-06-01 00:00:00" << 227 << "F";
    QTest::newRow("shortest exception period wins") << "DL0XYZ"
                                                    << "2020-06-15 00:00:00" << 6 << "KL";
    QTest::newRow("longer exception period") << "DL0XYZ"
                                             << "2020-03-01 00:00:00" << 227 << "F";
    QTest::newRow("outside every exception") << "DL0XYZ"
                                             << "2021-03-01 00:00:00" << 230 << "DL";
    QTest::newRow("exception with an open period") << "W9OPEN"
                                                   << "2024-01-01 00:00:00" << 150 << "VK";
    QTest::newRow("deleted entity's own prefix") << "4W1AB"
                                                 << "1980-01-01 00:00:00" << 154 << "4W/D";
    QTest::newRow("deleted entity's prefix after deletion") << "4W1AB"
                                                            << "2000-01-01 00:00:00" << 0 << "??";
    QTest::newRow("last second of a period") << "DL1ABC"
                                             << "1973-09-16 23:59:59" << 81 << "DL";
}

void TestDxcc::datedRules()
{
    QFETCH(QString, call);
    QFETCH(QString, date);
    const std::unique_ptr<DXCCModel> cached = smallModel(*m_small, true);
    const std::unique_ptr<DXCCModel> plain = smallModel(*m_small, false);
    const CountryClass country = cached->getDXCC(call, at(date));
    QCOMPARE(country, plain->getDXCC(call, at(date)));
    QTEST(country.adif, "adif");
    QTEST(country.dxcc, "dxcc");
}

void TestDxcc::operationValidity_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("invalid operation in its period") << "TA0BAD"
                                                     << "2021-05-01 00:00:00" << false;
    QTest::newRow("invalid operation after its period") << "TA0BAD"
                                                        << "2022-05-01 00:00:00" << true;
    QTest::newRow("an exception makes it valid") << "K1ABC/VE"
                                                 << "2020-05-01 00:00:00" << true;
    QTest::newRow("unknown call") << "DL1ABC"
                                  << "2021-05-01 00:00:00" << true;
}

void TestDxcc::operationValidity()
{
    QFETCH(QString, call);
    QFETCH(QString, date);
    for (const bool cached : {true, false})
        QTEST(smallModel(*m_small, cached)->checkIfOperationIsValid(call, at(date)), "valid");
}

void TestDxcc::entityRows()
{
    const std::unique_ptr<DXCCModel> model = smallModel(*m_small, true);
    // An exception to Canada carries no base call, so the area rule sees area 0.
    const CountryClass canada =
        model->getDXCC(QStringLiteral("K1ABC/VE"), at(QStringLiteral("2020-05-01 00:00:00")));
    QCOMPARE(canada.adif, 1);
    QCOMPARE(canada.cq, 0);
    QCOMPARE(canada.itu, 0);
    QCOMPARE(canada.locator, QString());

    const CountryClass geneva = model->adifToCountry(117);
    QCOMPARE(geneva.cntry, QStringLiteral("United Nations Geneva"));
    QCOMPARE(geneva.cnt, QStringLiteral("Eu"));
    QCOMPARE(geneva.itu, 28); // from the itu table the import keeps
    QCOMPARE(model->adifToCountry(-230).adif, 230);
    QCOMPARE(model->adifToCountry(4242).adif, 0);

    const CountryClass yemen = model->dxccToCountry(QStringLiteral("4W/D"));
    QCOMPARE(yemen.adif, 154);
    QVERIFY(yemen.deleted);
    QCOMPARE(model->dxccToCountry(QStringLiteral("##")).adif, -1);
}

void TestDxcc::ambiguousPrefixIsLogged()
{
    QTemporaryDir dir;
    AppDelegate app(DataFolder::at(dir.path()));
    const QString path = app.folder().filePath(QStringLiteral("ClublogDXCC.db"));
    QVERIFY(testsupport::writeSmallDatabase(path));
    db::Database database;
    QCOMPARE(database.open(path), 0);
    for (const int adif : {6, 150}) {
        db::Statement insert = database.prepare(
            QStringLiteral("insert into prefixes (prefix,adif,start,end) values (?,?,?,?)"));
        insert.bindAll({QStringLiteral("ZZ"), adif, QStringLiteral("2020-01-01 00:00:00"),
                        QStringLiteral("2020-12-31 23:59:59")});
        QVERIFY(insert.run());
    }
    database.close();
    for (const bool cached : {true, false}) {
        const testsupport::DiagnosticLines lines;
        const int adif =
            smallModel(app, cached)
                ->getDXCC(QStringLiteral("ZZ1A"), at(QStringLiteral("2020-05-05 00:00:00")))
                .adif;
        QCOMPARE(adif, 150);
        QVERIFY(
            lines.lines().contains(QStringLiteral("Prefix in Clublog database not unique: ZZ")));
    }
}

void TestDxcc::newQsoTakesItsEntity()
{
    const std::unique_ptr<DXCCModel> model = smallModel(*m_small, true);
    QsoClass qso;
    qso.callsign = QStringLiteral("TA0BAD");
    qso.dateTime = at(QStringLiteral("2021-05-01 10:00:00"));
    refdata::resolveQsoEntity(*model, qso);
    QCOMPARE(qso.adif, 390);
    QVERIFY(!qso.opIsValid);
    QCOMPARE(qso.storedAdif(), -390);
    QCOMPARE(qso.dxcc, QStringLiteral("TA"));
    QCOMPARE(qso.cnt, QStringLiteral("As"));
    QCOMPARE(qso.cq, QStringLiteral("20"));
    QCOMPARE(qso.prefix, QStringLiteral("TA0"));

    QsoClass chosen; // an entity chosen by number keeps it, the date decides validity
    chosen.callsign = QStringLiteral("TA0BAD");
    chosen.adif = 227;
    chosen.iota = QStringLiteral("EU-005");
    chosen.dateTime = at(QStringLiteral("2023-05-01 10:00:00"));
    refdata::resolveQsoEntity(*model, chosen);
    QCOMPARE(chosen.adif, 227);
    QVERIFY(chosen.opIsValid);
    QCOMPARE(chosen.dxcc, QStringLiteral("F"));
    QCOMPARE(chosen.iota, QStringLiteral("EU-005"));
}

void TestDxcc::replacedDatabaseIsSeenAtNextQuery()
{
    QTemporaryDir dir;
    AppDelegate app(DataFolder::at(dir.path()));
    DXCCModel &model = app.dxcc();
    const QDateTime june = at(QStringLiteral("2020-06-15 00:00:00"));
    QCOMPARE(model.getDXCC(QStringLiteral("DL0XYZ"), june).adif, 230); // shipped data
    const QString live = app.folder().filePath(QStringLiteral("ClublogDXCC.db"));
    const QString next = app.folder().filePath(QStringLiteral("next.db"));
    QVERIFY(testsupport::writeSmallDatabase(next));
    QString error;
    QVERIFY(refdata::replaceFile(next, live, &error));
    // The model's watch hears of the swap on the event loop.
    QTRY_COMPARE(model.getDXCC(QStringLiteral("DL0XYZ"), june).adif, 6);
    // Written over in place: same inode, other size and time.
    QFile::remove(next);
    QVERIFY(QFile::copy(QStringLiteral(":/ClublogDXCC.db"), next));
    QFile target(live);
    QVERIFY(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
    target.write(testsupport::readFile(next));
    target.close();
    // Another program's write reaches the model through the kernel's change notice.
    QTRY_COMPARE(model.getDXCC(QStringLiteral("DL0XYZ"), june).adif, 230);
}

void TestDxcc::writesToOtherFilesAreNoChange()
{
    // The logbook shares the folder; its writes must not make every lookup look at the disk.
    QTemporaryDir dir;
    QVERIFY(testsupport::writeSmallDatabase(dir.filePath(QStringLiteral("ClublogDXCC.db"))));
    const refdata::FileChangeWatch watch({dir.filePath(QStringLiteral("ClublogDXCC.db"))});
    const quint64 before = watch.generation();
    QFile logbook(dir.filePath(QStringLiteral("DefaultLog.rlog")));
    QVERIFY(logbook.open(QIODevice::WriteOnly));
    logbook.write("QSO");
    logbook.close();
    // Proves that nothing is counted: give the kernel's notice time to arrive.
    QTest::qWait(100);
    QCOMPARE(watch.generation(), before);
    QFile database(dir.filePath(QStringLiteral("ClublogDXCC.db")));
    QVERIFY(database.open(QIODevice::Append));
    database.write("x");
    database.close();
    QTRY_VERIFY(watch.generation() != before);
}

void TestDxcc::missingDatabaseGivesUnknownEntity()
{
    QTemporaryDir dir;
    AppDelegate app(DataFolder::at(dir.path()));
    DXCCModel &model = app.dxcc();
    QVERIFY(QFile::exists(model.fullClDatabasePath()));
    QVERIFY(QFile::exists(model.fullIotaDatabasePath()));
    QCOMPARE(model.getDXCC(QStringLiteral("DL1ABC")).adif, 230);
    QVERIFY(QFile::remove(model.fullClDatabasePath()));
    const testsupport::DiagnosticLines lines;
    // Removed by someone else: seen once the kernel's change notice arrived.
    QTRY_COMPARE(model.getDXCC(QStringLiteral("DL1ABC")), CountryClass());
    QVERIFY(model.checkIfOperationIsValid(QStringLiteral("DL1ABC")));
    QVERIFY(lines.lines().contains(QStringLiteral("Failed to open ClublogDXCC.db: 14")));
    QVERIFY(!QFile::exists(model.fullClDatabasePath())); // not made up as an empty file
    // A new model copies the shipped database again.
    DXCCModel again(app.folder(), app.clock());
    QCOMPARE(again.getDXCC(QStringLiteral("DL1ABC")).adif, 230);
}

QTEST_MAIN(TestDxcc)
#include "tst_dxcc.moc"
