// The command line's statistics: charts written as PNG pictures, the numbers as JSON, and the
// words it refuses.

#include "../cli/CliRun.h"
#include "../entry/LogFixture.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class StatsCliTest : public QObject {
    Q_OBJECT

    LogFixture f;

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init()
    {
        f.setUp();
        QsoClass ja =
            LogFixture::qso(QStringLiteral("JA1AA"), QStringLiteral("2024-02-01 00:10:00"));
        ja.cnt = QStringLiteral("AS");
        ja.locator = QStringLiteral("PM95");
        QsoClass dl =
            LogFixture::qso(QStringLiteral("DL1AA"), QStringLiteral("2023-12-31 23:59:59"));
        dl.cnt = QStringLiteral("EU");
        dl.locator = QStringLiteral("JO62QM");
        QsoClass none =
            LogFixture::qso(QStringLiteral("X9X"), QStringLiteral("2024-02-15 12:00:00"));
        none.adif = 0;
        f.store({ja, dl, none});
    }
    void cleanup() { f.tearDown(); }

    void cliWritesAPng()
    {
        const QString file = f.path(QStringLiteral("band.png"));
        const CliRun run = CliRun::in(f.dir->path(), {"--json", "stats", "chart", "band", "-o",
                                                      file, "--width", "640", "--height", "360"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(result.value("qsos").toInt(), 3);
        QCOMPARE(LogFixture::contents(file).left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        QImage image;
        QVERIFY(image.load(file, "PNG"));
        QCOMPARE(image.size(), QSize(640, 360));
    }

    void cliDrawsTheWorkedGridsOnTheMap()
    {
        const QString file = f.path(QStringLiteral("grids.png"));
        const CliRun run = CliRun::in(
            f.dir->path(), {"--json", "stats", "chart", "grids", "-o", file, "--width", "800"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(result.value("grids").toInt(), 2);
        QImage image;
        QVERIFY(image.load(file, "PNG"));
        QCOMPARE(image.width(), 800);
        QCOMPARE(image.height(), result.value("height").toInt());
    }

    void cliRefusesBadWords_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown kind") << QStringList{"stats", "chart", "weekday", "-o", "OUT"}
                                      << "Unknown kind weekday: one of year, month, band, mode, "
                                         "continent, hour, grids";
        QTest::newRow("map with a height")
            << QStringList{"stats", "chart", "grids", "-o", "OUT", "--height", "400"}
            << "The map's height follows its width";
        QTest::newRow("no file") << QStringList{"stats", "chart", "band"}
                                 << "Usage: stats chart KIND -o FILE.png [--width W] [--height H] "
                                    "[--dark]";
        QTest::newRow("too narrow")
            << QStringList{"stats", "chart", "band", "-o", "OUT", "--width", "10"}
            << "--width and --height take 120 to 8000 pixels";
        QTest::newRow("show, unknown kind")
            << QStringList{"stats", "show", "weekday"}
            << "Unknown kind weekday: one of year, month, band, mode, continent, hour";
    }
    void cliRefusesBadWords()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        const QString file = f.path(QStringLiteral("refused.png"));
        words.replaceInStrings(QStringLiteral("OUT"), file);
        const CliRun run = CliRun::in(f.dir->path(), words);
        QCOMPARE(run.exitCode, 1);
        // The GUI application that draws may say something of its own first (no runtime folder).
        QCOMPARE(run.err.split(u'\n').last(), message);
        QVERIFY(!QFile::exists(file));
    }

    void cliShowsTheNumbers()
    {
        const CliRun run = CliRun::in(f.dir->path(), {"--json", "stats", "show", "continent"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(result.value("total").toInt(), 3);
        QStringList bars;
        for (const QJsonValue &bar : result.value("bars").toArray())
            bars << QStringLiteral("%1:%2")
                        .arg(bar.toObject().value("label").toString())
                        .arg(bar.toObject().value("count").toInt());
        QCOMPARE(bars.join(u' '), "AF:0 AN:0 AS:1 EU:1 NA:0 OC:0 SA:0 ??:1");
        // The DXCC counts stay where they were.
        QCOMPARE(CliRun::in(f.dir->path(), {"stats", "--qsl-mode", "1"}).exitCode, 0);
    }
};

QTEST_MAIN(StatsCliTest)
#include "tst_statscli.moc"
