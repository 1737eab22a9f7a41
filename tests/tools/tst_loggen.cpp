#include "db/Database.h"
#include "formats/Formats.h"
#include "formats/TextCoding.h"
#include "loggen/CallsignList.h"
#include "loggen/EntityStandIn.h"
#include "loggen/LogbookWriter.h"
#include "loggen/QsoGenerator.h"
#include "model/LogModel.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"
#include "root/Startup.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QString kFixture = QStringLiteral(BRINDLEWICK_TEST_DATA "/calls.scp");

QStringList fixtureCalls()
{
    QString error;
    return loggen::readCallsignList(kFixture, &error).value_or(QStringList());
}

QList<QsoClass> generate(qint64 count, quint64 seed)
{
    loggen::QsoGenerator generator(fixtureCalls(), count, loggen::Options{.seed = seed});
    QList<QsoClass> qsos;
    for (qint64 i = 0; i < count; ++i)
        qsos.append(generator.next());
    return qsos;
}

bool write(const QString &path, qint64 count, quint64 seed, QString *error)
{
    loggen::QsoGenerator generator(fixtureCalls(), count, loggen::Options{.seed = seed});
    return loggen::writeLogbook(path, generator, count, error);
}

/** Every stored text of every row, in row order. */
QList<QStringList> rawRows(const QString &path, const QString &select)
{
    db::Database database;
    if (database.open(path, db::Database::Mode::ReadOnly) != 0)
        return {};
    db::Statement rows = database.prepare(select);
    QList<QStringList> result;
    while (rows.step()) {
        QStringList row;
        for (int column = 0; column < rows.columnCount(); ++column)
            row << rows.text(column);
        result << row;
    }
    return result;
}

QString shownQslDate(const QString &stored)
{
    const auto date = formats::parseSqlDate(stored);
    return date ? formats::displayDate(*date, formats::DateStyle::Short) : stored;
}

} // namespace

class TestLoggen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void callsignList_data();
    void callsignList();
    void entityAndPrefix_data();
    void entityAndPrefix();
    void logModelReadsWhatWasGenerated();
    void storedTextsAreTheLogbookFormat();
    void seedDecidesTheLogbook();
    void existingFileIsLeftAlone();
    void spreadLooksLikeARealLog();
};

void TestLoggen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    startup::useUtcTimeZone();
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    QCOMPARE(fixtureCalls().size(), 32);
}

void TestLoggen::callsignList_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("comment lines and blank lines are skipped")
        << QByteArray("#\n# Release 2023\n#\nDL1ABC\n\nG4XYZ\n") << QStringList{"DL1ABC", "G4XYZ"};
    QTest::newRow("CRLF line ends and lower case")
        << QByteArray("dl1abc\r\nEA8/G4XYZ\r\n") << QStringList{"DL1ABC", "EA8/G4XYZ"};
    QTest::newRow("a list of comments only is refused")
        << QByteArray("#\n# nothing\n") << QStringList();
    QTest::newRow("an empty file is refused") << QByteArray() << QStringList();
}

void TestLoggen::callsignList()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, calls);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("MASTER.SCP")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QString error;
    const std::optional<QStringList> read = loggen::readCallsignList(file.fileName(), &error);
    QCOMPARE(read.value_or(QStringList()), calls);
    QCOMPARE(error.isEmpty(), !calls.isEmpty());
}

void TestLoggen::entityAndPrefix_data()
{
    // Entity numbers as ADIF lists them.
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<int>("adif");
    QTest::addColumn<QString>("dxcc");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("plain German call") << "DL7UVO" << 230 << "DL"
                                       << "DL7";
    QTest::newRow("prefix beginning with a digit") << "4X4AB" << 336 << "4X"
                                                   << "4X4";
    QTest::newRow("English intermediate licence") << "2E0ABC" << 223 << "G"
                                                  << "2E0";
    QTest::newRow("Scotland before England") << "GM3ABC" << 279 << "GM"
                                             << "GM3";
    QTest::newRow("operating from abroad counts the leading prefix") << "EA8/DL1ABC" << 29 << "EA8"
                                                                     << "EA8";
    QTest::newRow("portable designator is ignored") << "DL1ABC/P" << 230 << "DL"
                                                    << "DL1";
    QTest::newRow("other call area replaces the digit") << "JE1HXZ/6" << 339 << "JA"
                                                        << "JE6";
    QTest::newRow("Asiatic Russia by its call area") << "UA9XYZ" << 15 << "UA9"
                                                     << "UA9";
    QTest::newRow("European Russia") << "RA3ABC" << 54 << "UA"
                                     << "RA3";
    QTest::newRow("Hawaii before the USA") << "KH6XX" << 110 << "KH6"
                                           << "KH6";
    QTest::newRow("USA") << "K3GD" << 291 << "K"
                         << "K3";
    QTest::newRow("unknown prefix gives entity 0") << "XX9AA" << 0 << ""
                                                   << "XX9";
}

void TestLoggen::entityAndPrefix()
{
    QFETCH(QString, callsign);
    QFETCH(int, adif);
    QFETCH(QString, dxcc);
    QFETCH(QString, prefix);
    const loggen::Entity entity = loggen::entityOf(callsign);
    QCOMPARE(entity.adif, adif);
    QCOMPARE(entity.dxcc, dxcc);
    QCOMPARE(loggen::prefixOf(callsign), prefix);
}

void TestLoggen::logModelReadsWhatWasGenerated()
{
    constexpr qint64 kCount = 600;
    QTemporaryDir dir;
    QString error;
    QVERIFY2(write(dir.filePath(QStringLiteral("Generated.rlog")), kCount, 5, &error),
             qPrintable(error));
    AppDelegate app(DataFolder::at(dir.path()));
    app.defaults().setValue(QStringLiteral("LogDbName"), QStringLiteral("Generated.rlog"));
    LogModel &model = app.log();
    QCOMPARE(model.logDbName(), QStringLiteral("Generated.rlog"));

    QList<QsoClass> read = model.getlastQSOs(4);
    std::reverse(read.begin(), read.end());
    const QList<QsoClass> made = generate(kCount, 5);
    QCOMPARE(read.size(), made.size());
    const MyFunctions &functions = app.functions();
    for (qsizetype i = 0; i < made.size(); ++i) {
        const QsoClass &r = read[i];
        const QsoClass &m = made[i];
        QCOMPARE(r.sqlDateTime(), m.sqlDateTime());
        QCOMPARE(r.callsign, m.callsign);
        QCOMPARE(r.band, m.band);
        QCOMPARE(r.qrg, m.qrg);
        QCOMPARE(r.mode, m.mode);
        QCOMPARE(r.rsttx, m.rsttx);
        QCOMPARE(r.name, m.name);
        QCOMPARE(r.qth, m.qth);
        QCOMPARE(r.note, m.note);
        QCOMPARE(r.manager, m.manager);
        QCOMPARE(r.county, m.county);
        QCOMPARE(r.user_1, m.user_1);
        QCOMPARE(r.locator, m.locator);
        QCOMPARE(r.iota, m.iota);
        QCOMPARE(r.qsl, m.qsl);
        QCOMPARE(r.lotwqsl, m.lotwqsl);
        QCOMPARE(r.eqsl, m.eqsl);
        QCOMPARE(r.clublog, m.clublog);
        QCOMPARE(r.qslInDate, shownQslDate(m.qslInDate));
        QCOMPARE(r.qslOutDate, shownQslDate(m.qslOutDate));
        QCOMPARE(r.storedAdif(), m.storedAdif());
        QCOMPARE(r.opIsValid, m.opIsValid);
        QCOMPARE(r.colorCode, m.colorCode);
        // The program's own band table must put every frequency on the band it was logged on.
        QCOMPARE(functions.qrg2mBand(r.qrg), r.band);
        QVERIFY2(fixtureCalls().contains(r.callsign), qPrintable(r.callsign));
    }
}

void TestLoggen::storedTextsAreTheLogbookFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Generated.rlog"));
    QString error;
    QVERIFY2(write(path, 800, 3, &error), qPrintable(error));
    const QList<QsoClass> made = generate(800, 3);
    const QList<QStringList> rows = rawRows(
        path, QStringLiteral("select qrg, name, qth, note, county from logbook order by id"));
    QCOMPARE(rows.size(), made.size());

    const QRegularExpression singleSaveQrg(QStringLiteral("^[0-9]+\\.[0-9]$"));
    bool encodedSeen = false;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QVERIFY2(singleSaveQrg.match(rows[i][0]).hasMatch(), qPrintable(rows[i][0]));
        QCOMPARE(rows[i][1], formats::percentEncode(made[i].name));
        QCOMPARE(rows[i][2], formats::percentEncode(made[i].qth));
        QCOMPARE(rows[i][3], formats::percentEncode(made[i].note));
        QCOMPARE(rows[i][4], formats::percentEncode(made[i].county));
        encodedSeen = encodedSeen || rows[i][1].contains(QLatin1Char('%'));
    }
    QVERIFY2(encodedSeen, "no generated name needed percent-encoding");

    // The indexes were dropped for the bulk insert; all of the template's must be back.
    QTemporaryDir templateDir;
    const QString emptyLog = templateDir.filePath(QStringLiteral("EmptyLog.rlog"));
    QVERIFY(QFile::copy(QStringLiteral(":/EmptyLog.rlog"), emptyLog));
    const QString indexes =
        QStringLiteral("select name, sql from sqlite_master where type='index' order by name");
    QCOMPARE(rawRows(path, indexes), rawRows(emptyLog, indexes));
    QCOMPARE(rawRows(path, QStringLiteral("select * from prefs order by entry")),
             rawRows(emptyLog, QStringLiteral("select * from prefs order by entry")));
}

void TestLoggen::seedDecidesTheLogbook()
{
    QTemporaryDir dir;
    QString error;
    const QString all = QStringLiteral("select * from logbook order by id");
    QVERIFY(write(dir.filePath(QStringLiteral("a.rlog")), 300, 7, &error));
    QVERIFY(write(dir.filePath(QStringLiteral("b.rlog")), 300, 7, &error));
    QVERIFY(write(dir.filePath(QStringLiteral("c.rlog")), 300, 8, &error));
    const QList<QStringList> a = rawRows(dir.filePath(QStringLiteral("a.rlog")), all);
    QCOMPARE(a.size(), 300);
    QCOMPARE(rawRows(dir.filePath(QStringLiteral("b.rlog")), all), a);
    QVERIFY(rawRows(dir.filePath(QStringLiteral("c.rlog")), all) != a);
}

void TestLoggen::existingFileIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Mine.rlog"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("my own logbook");
    file.close();

    QString error;
    QVERIFY(!write(path, 10, 1, &error));
    QVERIFY(error.contains(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("my own logbook"));
}

void TestLoggen::spreadLooksLikeARealLog()
{
    const QList<QsoClass> qsos = generate(6000, 11);
    QHash<QString, int> perBand;
    QSet<QString> qslLetters;
    for (qsizetype i = 0; i < qsos.size(); ++i) {
        const QsoClass &qso = qsos[i];
        ++perBand[qso.band];
        qslLetters << qso.qsl;
        if (i > 0)
            QVERIFY(qso.dateTime >= qsos[i - 1].dateTime);
        if (qso.mode == QLatin1String("FT8"))
            QVERIFY2(qso.dateTime.date() >= QDate(2017, 7, 1), qPrintable(qso.sqlDateTime()));
    }
    QVERIFY(perBand.value(QStringLiteral("20m")) > perBand.value(QStringLiteral("40m")));
    QVERIFY(perBand.value(QStringLiteral("40m")) > perBand.value(QStringLiteral("15m")));
    QVERIFY(perBand.value(QStringLiteral("15m")) > perBand.value(QStringLiteral("80m")));
    QVERIFY(perBand.value(QStringLiteral("60m")) > 0);
    QVERIFY(qsos.first().dateTime.date() < QDate(2011, 6, 1));
    // A contest of up to 400 QSOs at the very end takes its share of the period with it.
    QVERIFY(qsos.last().dateTime.date() > QDate(2024, 6, 1));
    for (const char *letter : {"N", "R", "S", "X", "Q"})
        QVERIFY2(qslLetters.contains(QLatin1String(letter)), letter);
}

QTEST_GUILESS_MAIN(TestLoggen)
#include "tst_loggen.moc"
