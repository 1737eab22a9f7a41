// Rebuilding ClublogDXCC.db from Club Log's country file: the import of a hand-written file,
// refused downloads that must keep the live database, the download from a loopback server, and
// the replacement of the live file.

#include "LoopbackHttpServer.h"
#include "RefdataTestSupport.h"

#include "refdata/ClublogDxStuff.h"
#include "refdata/ClublogXml.h"
#include "refdata/DXCCModel.h"
#include "refdata/Gunzip.h"
#include "root/AppDelegate.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

/** A made-up country file with the given number of records per section; every entity has its own
 *  prefix and exception. */
QByteArray countryFileOfSize(int entities, int exceptions, int prefixes, int invalid)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<clublog date=\"2024-03-01T10:15:00+00:00\">\n"
                     "<entities>\n";
    for (int i = 1; i <= entities; ++i)
        xml += QStringLiteral("<entity><adif>%1</adif><name>LAND %1</name><prefix>Q%1</prefix>"
                              "<deleted>FALSE</deleted><cqz>14</cqz><cont>EU</cont>"
                              "<long>1.00</long><lat>50.00</lat></entity>\n")
                   .arg(i)
                   .toLatin1();
    xml += "</entities>\n<exceptions>\n";
    for (int i = 1; i <= exceptions; ++i)
        xml += QStringLiteral("<exception record=\"%1\"><call>Q%1X</call><adif>%2</adif>"
                              "</exception>\n")
                   .arg(i)
                   .arg(1 + (i - 1) % std::max(1, entities))
                   .toLatin1();
    xml += "</exceptions>\n<prefixes>\n";
    for (int i = 1; i <= prefixes; ++i)
        xml += QStringLiteral("<prefix record=\"%1\"><call>Q%1</call><adif>%2</adif></prefix>\n")
                   .arg(i)
                   .arg(1 + (i - 1) % std::max(1, entities))
                   .toLatin1();
    xml += "</prefixes>\n<invalid_operations>\n";
    for (int i = 1; i <= invalid; ++i)
        xml += QStringLiteral("<invalid record=\"%1\"><call>Q%1INV</call></invalid>\n")
                   .arg(i)
                   .toLatin1();
    return xml + "</invalid_operations>\n</clublog>\n";
}

QByteArray withoutInvalidSection(QByteArray xml)
{
    const qsizetype from = xml.indexOf("<invalid_operations>");
    const qsizetype to =
        xml.indexOf("</invalid_operations>") + qsizetype(strlen("</invalid_operations>"));
    return xml.remove(from, to - from);
}

} // namespace

class TestCountryFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void importOfTheHandWrittenFile();
    void storedRows_data();
    void storedRows();
    void resolutionAfterImport();
    void refusedInputKeepsTheLiveDatabase_data();
    void refusedInputKeepsTheLiveDatabase();
    void downloadFromLoopbackServer();
    void failedDownloadKeepsTheLiveDatabase();
    void secondStartWhileBusyDoesNothing();
    void failedSwapKeepsTheOldDatabase();
    void implausibleSizesKeepTheLiveDatabase_data();
    void implausibleSizesKeepTheLiveDatabase();
    void unpackingStopsAtTheCap_data();
    void unpackingStopsAtTheCap();
    void oversizedFileKeepsTheLiveDatabase_data();
    void oversizedFileKeepsTheLiveDatabase();
    void hostileCountryFiles_data();
    void hostileCountryFiles();

private:
    /** Runs a rebuild from the bytes (written to a file) and waits until it stopped. */
    void rebuildFrom(const QByteArray &fileContent);
    [[nodiscard]] QString livePath() const
    {
        return m_app->folder().filePath(QStringLiteral("ClublogDXCC.db"));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
    std::unique_ptr<ClublogDxStuff> m_stuff;
    QStringList m_statuses;
    QStringList m_errors;
    int m_finished = 0;
};

void TestCountryFile::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
    m_stuff = std::make_unique<ClublogDxStuff>(m_app->defaults(), m_app->folder());
    // The hand-written file has a handful of rows per section; real sizes are tested on their own.
    ClublogDxStuff::Limits small;
    small.minimum = {1, 1, 1, 1};
    m_stuff->setLimits(small);
    m_statuses.clear();
    m_errors.clear();
    m_finished = 0;
    connect(m_stuff.get(), &ClublogDxStuff::clublogStatus, this,
            [this](const QString &text) { m_statuses << text; });
    connect(m_stuff.get(), &ClublogDxStuff::clublogError, this,
            [this](const QString &text) { m_errors << text; });
    connect(m_stuff.get(), &ClublogDxStuff::clublogProcessingFinished, this,
            [this] { ++m_finished; });
}

void TestCountryFile::cleanup()
{
    m_stuff.reset();
    m_app.reset();
    m_dir.reset();
}

void TestCountryFile::rebuildFrom(const QByteArray &fileContent)
{
    const QString path = m_dir->filePath(QStringLiteral("cty.xml.gz"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileContent);
    file.close();
    QSignalSpy idle(m_stuff.get(), &ClublogDxStuff::idle);
    m_stuff->loadAndProccessFile(path);
    QVERIFY(m_stuff->isBusy());
    QVERIFY(idle.wait(20000));
    QVERIFY(!m_stuff->isBusy());
}

void TestCountryFile::importOfTheHandWrittenFile()
{
    QSignalSpy dates(m_stuff.get(), &ClublogDxStuff::newUpdateDateSet);
    rebuildFrom(testsupport::gzip(testsupport::smallCountryFileXml()));
    QCOMPARE(m_errors, QStringList());
    QCOMPARE(m_statuses,
             (QStringList{"Loading xml data...", "Processing xml data...", "Saving Country data...",
                          "Saving Callsign data...", "Saving Prefix data...",
                          "Saving Invalid data...", "Adding missing dates...",
                          "DXCCs: 10,  Prefixes: 13,  Callsigns: 4,  Invalid: 2"}));
    QCOMPARE(m_finished, 1);
    QCOMPARE(dates.size(), 1);
    QCOMPARE(dates.at(0).at(0).toString(), QStringLiteral("2024-03-01 10:15:00 "));
    QCOMPARE(m_app->defaults().string(QStringLiteral("LastClublogXmlData")),
             QStringLiteral("2024-03-01 10:15:00 "));
    QVERIFY(!QFile::exists(m_app->folder().filePath(QStringLiteral("ClublogDXCC_temp.db"))));
}

void TestCountryFile::storedRows_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("stored");
    QTest::newRow("prefix without end gets the open end")
        << "select start||'|'||end from prefixes where prefix='F'"
        << "1900-01-01 00:00:00|2099-12-31 23:59:59";
    QTest::newRow("Club Log date keeps its trailing blank")
        << "select end from prefixes where prefix='DL' and adif=81"
        << "1973-09-16 23:59:59 ";
    QTest::newRow("EU stored as Eu") << "select cont from dxcc where adif=227"
                                     << "Eu";
    QTest::newRow("NA kept") << "select cont from dxcc where adif=291"
                             << "NA";
    QTest::newRow("words capitalised") << "select name from dxcc where adif=230"
                                       << "Fed. Republic Of Germany";
    QTest::newRow("UN Geneva named and centred whatever the file says")
        << "select name||'|'||lat||'|'||long from dxcc where adif=117"
        << "United Nations Geneva|46.23|6.12";
    QTest::newRow("deleted Yemen gets its own prefix")
        << "select prefix||'|'||deleted from dxcc where adif=154"
        << "4W/D|1";
    QTest::newRow("current entity not deleted") << "select deleted from dxcc where adif=1"
                                                << "0";
    QTest::newRow("column order read by position")
        << "select * from dxcc where adif=291"
        << "United States Of America|K|0|5|NA|-91.0|37.5|291|1900-01-01 00:00:00|2099-12-31 "
           "23:59:59";
    QTest::newRow("exception rows") << "select count() from callsigns where callsign='DL0XYZ'"
                                    << "2";
    QTest::newRow("ITU zones kept from the template") << "select itu from itu where adif=291"
                                                      << "8";
}

void TestCountryFile::storedRows()
{
    QFETCH(QString, sql);
    rebuildFrom(testsupport::gzip(testsupport::smallCountryFileXml()));
    db::Database database;
    QCOMPARE(database.open(livePath(), db::Database::Mode::ReadOnly), 0);
    db::Statement statement = database.prepare(sql);
    QVERIFY(statement.step());
    QStringList columns;
    for (int i = 0; i < statement.columnCount(); ++i)
        columns << statement.text(i);
    QTEST(columns.join(QLatin1Char('|')), "stored");
}

void TestCountryFile::resolutionAfterImport()
{
    DXCCModel &model = m_app->dxcc(); // made before the rebuild, as a screen's model would be
    const QDateTime june = QDateTime(QDate(2020, 6, 15), QTime(12, 0), QTimeZone::utc());
    QCOMPARE(model.getDXCC(QStringLiteral("DL0XYZ"), june).adif, 230);
    rebuildFrom(testsupport::gzip(testsupport::smallCountryFileXml()));
    QCOMPARE(model.getDXCC(QStringLiteral("DL0XYZ"), june).adif, 6);
    QCOMPARE(model.getDXCC(QStringLiteral("K1ABC/VE"), june).cntry, QStringLiteral("Canada"));
}

void TestCountryFile::refusedInputKeepsTheLiveDatabase_data()
{
    const QByteArray xml = testsupport::smallCountryFileXml();
    const QByteArray gz = testsupport::gzip(xml);
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("HTML error page")
        << QByteArray("<html><body>503 Service Unavailable</body></html>")
        << "Can't load xml data!";
    QTest::newRow("truncated gzip") << gz.left(gz.size() / 2) << "Can't load xml data!";
    QTest::newRow("empty file") << QByteArray() << "Can't load xml data!";
    QTest::newRow("plain XML, not gzipped") << xml << "Can't load xml data!";
    QTest::newRow("malformed XML")
        << testsupport::gzip(xml.left(xml.indexOf("</prefixes>")) + "<prefix><call>X</wrong>")
        << "Opening and ending tag mismatch.";
    QTest::newRow("no invalid operations")
        << testsupport::gzip(withoutInvalidSection(xml)) << "xml data are not complete!";
}

void TestCountryFile::refusedInputKeepsTheLiveDatabase()
{
    QFETCH(QByteArray, content);
    const QByteArray before = testsupport::readFile(livePath());
    QVERIFY(!before.isEmpty());
    rebuildFrom(content);
    QTEST(m_errors.value(0), "error");
    QCOMPARE(m_finished, 0);
    QCOMPARE(testsupport::readFile(livePath()), before);
    QVERIFY(!m_app->defaults().contains(QStringLiteral("LastClublogXmlData")) ||
            m_app->defaults().string(QStringLiteral("LastClublogXmlData")).isEmpty());
}

void TestCountryFile::downloadFromLoopbackServer()
{
    LoopbackHttpServer server(200, testsupport::gzip(testsupport::smallCountryFileXml()));
    m_app->defaults().setValue(QLatin1String(ClublogDxStuff::kHostKey), server.url());
    QCOMPARE(m_stuff->countryFileUrl().toString(),
             server.url() +
                 QStringLiteral("/cty.php?api=5b0c9e7a2d41f6083ce1a9b7d2f40e6c81a3b5d9"));
    QSignalSpy idle(m_stuff.get(), &ClublogDxStuff::idle);
    m_stuff->loadAndProccessXMLFile();
    QVERIFY(idle.wait(20000));
    QCOMPARE(server.requests().value(0).requestLine(),
             QByteArray("GET /cty.php?api=5b0c9e7a2d41f6083ce1a9b7d2f40e6c81a3b5d9 HTTP/1.1"));
    QCOMPARE(m_errors, QStringList());
    QCOMPARE(m_finished, 1);
}

void TestCountryFile::failedDownloadKeepsTheLiveDatabase()
{
    LoopbackHttpServer server(404, "<html>not found</html>");
    m_app->defaults().setValue(QLatin1String(ClublogDxStuff::kHostKey), server.url());
    const QByteArray before = testsupport::readFile(livePath());
    QSignalSpy idle(m_stuff.get(), &ClublogDxStuff::idle);
    m_stuff->loadAndProccessXMLFile();
    QVERIFY(idle.wait(20000));
    QCOMPARE(m_errors, QStringList{QStringLiteral("Can't load xml data!")});
    QCOMPARE(testsupport::readFile(livePath()), before);
}

void TestCountryFile::secondStartWhileBusyDoesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("cty.xml.gz"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testsupport::gzip(testsupport::smallCountryFileXml()));
    file.close();
    QSignalSpy idle(m_stuff.get(), &ClublogDxStuff::idle);
    m_stuff->loadAndProccessFile(path);
    m_stuff->loadAndProccessFile(path);
    QVERIFY(idle.wait(20000));
    QTest::qWait(100); // proves that the second start does not report a second end
    QCOMPARE(idle.size(), 1);
    QCOMPARE(m_statuses.count(QStringLiteral("Loading xml data...")), 1);
    QCOMPARE(m_finished, 1);
}

void TestCountryFile::failedSwapKeepsTheOldDatabase()
{
    const QByteArray before = testsupport::readFile(livePath());
    QString error;
    QVERIFY(
        !refdata::replaceFile(m_dir->filePath(QStringLiteral("missing.db")), livePath(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(testsupport::readFile(livePath()), before);
    // Onto a folder: the rename fails and the new file stays where it was.
    const QString next = m_dir->filePath(QStringLiteral("next.db"));
    QVERIFY(testsupport::writeSmallDatabase(next));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("busy/inside")));
    QVERIFY(!refdata::replaceFile(next, m_dir->filePath(QStringLiteral("busy")), &error));
    QVERIFY(QFile::exists(next));
}

void TestCountryFile::implausibleSizesKeepTheLiveDatabase_data()
{
    // The shipped database: 402 entities, 18,645 exceptions, 7,856 prefixes; Club Log's file adds
    // invalid operations.
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one row per section") << countryFileOfSize(1, 1, 1, 1) << false;
    QTest::newRow("the hand-written file") << testsupport::smallCountryFileXml() << false;
    QTest::newRow("a tenth of the entities") << countryFileOfSize(40, 18645, 7856, 50) << false;
    QTest::newRow("a tenth of the prefixes") << countryFileOfSize(402, 18645, 786, 50) << false;
    QTest::newRow("a twentieth of the exceptions")
        << countryFileOfSize(402, 932, 7856, 50) << false;
    QTest::newRow("no invalid operations") << countryFileOfSize(402, 18645, 7856, 0) << false;
    QTest::newRow("the shipped database's sizes") << countryFileOfSize(402, 18645, 7856, 1) << true;
}

void TestCountryFile::implausibleSizesKeepTheLiveDatabase()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, accepted);
    m_stuff->setLimits({});
    DXCCModel &model = m_app->dxcc();
    const QDateTime june = QDateTime(QDate(2020, 6, 15), QTime(12, 0), QTimeZone::utc());
    QCOMPARE(model.getDXCC(QStringLiteral("DL1ABC"), june).adif, 230);
    const QByteArray before = testsupport::readFile(livePath());
    rebuildFrom(testsupport::gzip(xml));
    if (accepted) {
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(m_finished, 1);
        QCOMPARE(model.getDXCC(QStringLiteral("Q7ABC"), june).adif, 7);
        return;
    }
    QCOMPARE(m_errors, QStringList{QStringLiteral("xml data are not complete!")});
    QCOMPARE(m_finished, 0);
    QCOMPARE(testsupport::readFile(livePath()), before);
    QCOMPARE(model.getDXCC(QStringLiteral("DL1ABC"), june).adif, 230);
}

void TestCountryFile::unpackingStopsAtTheCap_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qsizetype>("cap");
    QTest::addColumn<bool>("unpacked");
    const QByteArray mb(1024 * 1024, '\0');
    QTest::newRow("exactly the cap") << mb << qsizetype(mb.size()) << true;
    QTest::newRow("one byte over the cap") << mb + 'x' << qsizetype(mb.size()) << false;
    QTest::newRow("32 MB of zeros, a 32 KB gzip")
        << QByteArray(32 * 1024 * 1024, '\0') << qsizetype(mb.size()) << false;
    QTest::newRow("nothing allowed") << QByteArray("x") << qsizetype(0) << false;
}

void TestCountryFile::unpackingStopsAtTheCap()
{
    QFETCH(QByteArray, content);
    QFETCH(qsizetype, cap);
    QFETCH(bool, unpacked);
    const std::optional<QByteArray> out = refdata::gunzip(testsupport::gzip(content), cap);
    QCOMPARE(out.has_value(), unpacked);
    if (unpacked)
        QCOMPARE(*out, content);
}

void TestCountryFile::oversizedFileKeepsTheLiveDatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray xml = testsupport::smallCountryFileXml();
    // Below 1 MB packed, far beyond the cap unpacked: the file's own records come first.
    QTest::newRow("gzip bomb") << testsupport::gzip(xml + QByteArray(32 * 1024 * 1024, ' '));
    QTest::newRow("packed file beyond the cap") << QByteArray(2 * 1024 * 1024, 'x');
}

void TestCountryFile::oversizedFileKeepsTheLiveDatabase()
{
    QFETCH(QByteArray, content);
    ClublogDxStuff::Limits limits;
    limits.maxBytes = 1024 * 1024;
    limits.minimum = {1, 1, 1, 1};
    m_stuff->setLimits(limits);
    const QByteArray before = testsupport::readFile(livePath());
    rebuildFrom(content);
    QCOMPARE(m_errors, QStringList{QStringLiteral("Can't load xml data!")});
    QCOMPARE(m_finished, 0);
    QCOMPARE(testsupport::readFile(livePath()), before);
}

void TestCountryFile::hostileCountryFiles_data()
{
    QTest::addColumn<QString>("file"); // the fuzz target's seeds
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("records");
    QTest::newRow("entities expanding beyond the limit") << "hostile-entities.xml"
                                                         << "a DTD is not allowed" << 0;
    QTest::newRow("entities expanding within the limit") << "hostile-small-expansion.xml"
                                                         << "a DTD is not allowed" << 0;
    QTest::newRow("an external entity is never read") << "hostile-external.xml"
                                                      << "a DTD is not allowed" << 0;
    QTest::newRow("bytes that are no UTF-8") << "hostile-binary.xml"
                                             << "Encountered incorrectly encoded content." << 0;
    QTest::newRow("cut off inside nested sections") << "hostile-nested-cut.xml"
                                                    << "Premature end of document." << 1;
}

void TestCountryFile::hostileCountryFiles()
{
    QFETCH(QString, file);
    const refdata::ClublogParseResult parsed = refdata::parseClublogXml(testsupport::readFile(
        QStringLiteral(BRINDLEWICK_SOURCE_DIR "/fuzz/corpus/clublog/") + file));
    QTEST(parsed.error, "error");
    const refdata::ClublogCountryFile &read = parsed.file;
    int records = 0;
    for (const auto *section :
         {&read.entities, &read.exceptions, &read.prefixes, &read.invalidOperations})
        for (const refdata::ClublogRecord &record : *section) {
            ++records;
            for (const QString &value : record)
                QVERIFY(!value.contains(QLatin1String("root:")));
        }
    QTEST(records, "records");
}

QTEST_MAIN(TestCountryFile)
#include "tst_countryfile.moc"
