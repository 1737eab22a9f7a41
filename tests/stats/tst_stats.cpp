// QSO statistics: the counts of a hand-checked logbook, how they follow saves and deletes, and
// the bar chart's picture.

#include "../entry/LogFixture.h"
#include "map/WorkedLayer.h"
#include "model/LogListQuery.h"
#include "stats/ChartRenderer.h"
#include "stats/Statistics.h"
#include "stats/StatisticsReader.h"
#include "stats/StatisticsScreen.h"
#include "stats/StatisticsTally.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>

using stats::Kind;

namespace {

QsoClass contact(const char *call, const char *when, const char *band, const char *mode,
                 const char *continent, int adif, const char *prefix)
{
    QsoClass q = LogFixture::qso(QString::fromLatin1(call), QString::fromLatin1(when));
    q.band = QString::fromLatin1(band);
    q.mode = QString::fromLatin1(mode);
    q.cnt = QString::fromLatin1(continent);
    q.adif = adif;
    q.opIsValid = adif >= 0;
    q.dxcc = QString::fromLatin1(prefix);
    return q;
}

/** Bars as "label:count" joined by blanks. */
QString barsText(const QList<stats::Bar> &bars)
{
    QStringList parts;
    for (const stats::Bar &bar : bars)
        parts << QStringLiteral("%1:%2").arg(bar.label).arg(bar.count);
    return parts.join(u' ');
}

QString spanText(const stats::EntitySpan &span)
{
    return QStringLiteral("%1 %2 %3x %4 %5 / %6 %7")
        .arg(span.adif)
        .arg(span.prefix)
        .arg(span.qsos)
        .arg(span.first.callsign, span.first.dateTime, span.last.callsign, span.last.dateTime);
}

/** Every number of the statistics as text, end points in any order. */
QString everything(const stats::QsoStatistics &numbers)
{
    QStringList lines{QString::number(numbers.total)};
    for (int kind = 0; kind < stats::kKindCount; ++kind)
        lines << barsText(numbers.of(Kind(kind)));
    for (const stats::EntitySpan &span : numbers.entities)
        lines << spanText(span) + u' ' + span.first.band + u' ' + span.first.mode + u' ' +
                     span.last.band + u' ' + span.last.mode;
    lines << numbers.grids.join(u' ');
    QStringList points;
    for (const geo::LatLon &point : numbers.endPoints)
        points << QStringLiteral("%1,%2").arg(point.lat, 0, 'f', 4).arg(point.lon, 0, 'f', 4);
    points.sort();
    return (lines << points.join(u' ')).join(u'\n');
}

bool isBar(const QImage &image, QPointF at, const QColor &colour)
{
    return image.pixelColor(at.toPoint()).rgb() == colour.rgb();
}

} // namespace

class StatsTest : public QObject {
    Q_OBJECT

    LogFixture f;

    /** Year and month edges in UTC, a QSO without band, one with an unknown band name, one
     *  without mode or entity, an invalid operation (negative entity) and one whose start time
     *  cannot be read. */
    void storeLog()
    {
        QsoClass unreadable = contact("F1AA", "2024-03-01 10:00:00", "20m", "CW", "EU", 227, "F");
        unreadable.dateTime = QDateTime();
        QsoClass dl1 = contact("DL1AA", "2023-12-31 23:59:59", "20m", "CW", "EU", 230, "DL");
        dl1.locator = QStringLiteral("JO62QM");
        QsoClass dl2 = contact("DL2BB", "2024-01-01 00:00:00", "40m", "SSB", "Eu", 230, "DL");
        dl2.locator = QStringLiteral("jo62 ");
        QsoClass k1 = contact("K1AA", "2024-01-31 23:30:00", "20m", "FT8", "NA", 291, "K");
        k1.locator = QStringLiteral("FN42");
        QsoClass none = contact("X9X", "2024-02-15 12:00:00", "20m", "", "", 0, "");
        none.locator = QStringLiteral("XX99");
        f.store({dl1, dl2, k1, contact("JA1AA", "2024-02-01 00:10:00", "", "FT8", "AS", 339, "JA"),
                 none, contact("K2BB", "2024-04-02 13:00:00", "zz", "SSB", "NA", -291, "K"),
                 unreadable});
    }

    [[nodiscard]] stats::QsoStatistics read() const
    {
        QString error;
        const std::optional<stats::QsoStatistics> numbers =
            stats::readStatistics(f.app->log().fullLogDatabasePath(), &error);
        if (!numbers)
            qWarning("%s", qPrintable(error));
        return numbers.value_or(stats::QsoStatistics{});
    }

    /** The QSO whose call starts so (DL1AA may have been renamed DL1AB). */
    [[nodiscard]] QsoClass stored(const QString &call) const
    {
        for (const QsoClass &qso : f.app->log().getlastQSOs(LogListQuery::All))
            if (qso.callsign.startsWith(call))
                return qso;
        qWarning("No QSO with %s", qPrintable(call));
        return {};
    }

    /** One write of the kinds the statistics follow, on the hand-checked logbook. */
    void write(const QString &step)
    {
        LogModel &log = f.app->log();
        const auto edit = [&](const char *call, const std::function<void(QsoClass &)> &change) {
            const QsoClass before = stored(QString::fromLatin1(call));
            QsoClass after = before;
            change(after);
            QVERIFY(log.updateQSO(before, after));
        };
        if (step == "save, a new entity") {
            QsoClass qso = contact("VK2AA", "2024-05-05 05:05:00", "15m", "SSB", "OC", 150, "VK");
            qso.locator = QStringLiteral("QF56");
            QVERIFY(log.saveNewQSOtoLog(qso));
        } else if (step == "save, the entity's new first") {
            QsoClass qso = contact("DL9ZZ", "2020-01-01 10:00:00", "80m", "CW", "EU", 230, "DL");
            QVERIFY(log.saveNewQSOtoLog(qso));
        } else if (step == "edit into another year and hour") {
            edit("K1AA", [](QsoClass &q) { q.dateTime = LogFixture::utc("2019-06-01 07:00:00"); });
        } else if (step == "edit onto another band and mode") {
            edit("DL1A", [](QsoClass &q) {
                q.band = QStringLiteral("10m");
                q.mode = QStringLiteral("RTTY");
            });
        } else if (step == "edit into another entity") {
            edit("DL2BB", [](QsoClass &q) {
                q.adif = 291;
                q.dxcc = QStringLiteral("K");
                q.cnt = QStringLiteral("NA");
            });
        } else if (step == "edit the first's call in place") {
            edit("DL1AA", [](QsoClass &q) { q.callsign = QStringLiteral("DL1AB"); });
        } else if (step == "edit a locator into another square") {
            edit("K1AA", [](QsoClass &q) { q.locator = QStringLiteral("FN31pr"); });
        } else if (step == "delete the first of an entity") {
            QVERIFY(log.deleteQSO(stored(QStringLiteral("DL1A"))));
        } else if (step == "delete the last of an entity") {
            QVERIFY(log.deleteQSO(stored(QStringLiteral("K2BB"))));
        } else if (step == "delete an entity's only QSO") {
            QVERIFY(log.deleteQSO(stored(QStringLiteral("JA1AA"))));
        } else if (step == "synced rows, one new and one changed") {
            // Written by the synced logbook's own connection, then announced by id.
            db::Database other;
            QCOMPARE(other.open(log.fullLogDatabasePath()), 0);
            QVERIFY(other.exec(QStringLiteral(
                "insert into logbook (callsign, datetime, band, mode, cnt, dxcc, dxccadif, "
                "locator) values ('DL7XX', '2026-01-02 03:04:05', '6m', 'FT8', 'EU', 'DL', 230, "
                "'jo31')")));
            QVERIFY(other.exec(QStringLiteral(
                "update logbook set datetime = '2018-02-02 02:02:02' where callsign = 'K2BB'")));
            db::Statement ids = other.prepare(
                QStringLiteral("select id from logbook where callsign in ('DL7XX', 'K2BB')"));
            QSet<qint64> written;
            while (ids.step())
                written.insert(ids.int64(0));
            other.close();
            QCOMPARE(written.size(), 2);
            log.takePulled({230, 291}, written);
        } else if (step == "emptied") {
            QVERIFY(log.deleteAllEntries());
        } else {
            QFAIL("unknown step");
        }
    }

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init()
    {
        f.setUp();
        storeLog();
    }
    void cleanup() { f.tearDown(); }

    void countsOfAHandCheckedLog_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("years, unreadable time last")
            << Kind::Year << QStringLiteral("2023:1 2024:5 ??:1");
        QTest::newRow("months with the gap of March")
            << Kind::Month
            << QStringLiteral("2023-12:1 2024-01:2 2024-02:2 2024-03:0 2024-04:1 ??:1");
        QTest::newRow("bands by frequency, no band and unknown band as ??")
            << Kind::Band << QStringLiteral("40m:1 20m:4 ??:2");
        QTest::newRow("modes by count, then name; no mode as ??")
            << Kind::Mode << QStringLiteral("CW:2 FT8:2 SSB:2 ??:1");
        QTest::newRow("continents in any case; none as ??")
            << Kind::Continent << QStringLiteral("AF:0 AN:0 AS:1 EU:3 NA:2 OC:0 SA:0 ??:1");
        QTest::newRow("hours of the day in UTC")
            << Kind::Hour
            << QStringLiteral("00:2 01:0 02:0 03:0 04:0 05:0 06:0 07:0 08:0 09:0 10:0 11:0 12:1 "
                              "13:1 14:0 15:0 16:0 17:0 18:0 19:0 20:0 21:0 22:0 23:2 ??:1");
    }
    void countsOfAHandCheckedLog()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, expected);
        const stats::QsoStatistics numbers = read();
        QCOMPARE(numbers.total, qint64(7));
        QCOMPARE(barsText(numbers.of(kind)), expected);
    }

    void firstAndLastQsoPerEntity()
    {
        QStringList spans;
        for (const stats::EntitySpan &span : read().entities)
            spans << spanText(span);
        // Without entity (X9X) and without a readable time (F1AA) a QSO is nobody's first or
        // last; the invalid operation counts for its entity.
        QCOMPARE(spans,
                 (QStringList{"230 DL 2x DL1AA 2023-12-31 23:59:59 / DL2BB 2024-01-01 00:00:00",
                              "291 K 2x K1AA 2024-01-31 23:30:00 / K2BB 2024-04-02 13:00:00",
                              "339 JA 1x JA1AA 2024-02-01 00:10:00 / JA1AA 2024-02-01 00:10:00"}));
    }

    void workedGridsAndEndPoints()
    {
        const stats::QsoStatistics numbers = read();
        // Any case and blanks around; a locator outside the fields is none.
        QCOMPARE(numbers.grids, (QStringList{"FN42", "JO62"}));
        QCOMPARE(numbers.endPoints.size(), 3);
    }

    void gridSquaresOnTheMap_data()
    {
        QTest::addColumn<QString>("square");
        QTest::addColumn<double>("west");
        QTest::addColumn<double>("south");
        QTest::newRow("JO62, Berlin") << "JO62" << 12.0 << 52.0;
        QTest::newRow("lower case") << "fn42" << -72.0 << 42.0;
        QTest::newRow("south-west of the world") << "AA00" << 180.0 << -90.0;
        QTest::newRow("past the map's left edge, drawn at its right") << "AP30" << 186.0 << 60.0;
    }
    void gridSquaresOnTheMap()
    {
        QFETCH(QString, square);
        QFETCH(double, west);
        QFETCH(double, south);
        const geo::MapProjection projection(3284.0);
        const map::WorkedLayer layer =
            map::workedLayer(projection, {square, "JO6", "ZZ99", "JO6A"}, {});
        QCOMPARE(layer.squares.size(), 1);
        const QRectF cell = layer.squares.first();
        // Two degrees of longitude wide, from the column of its west edge.
        QCOMPARE(qRound(cell.left()),
                 qRound(projection.centerFromLeft() + west * projection.pixelsPerDegree()));
        QCOMPARE(qRound(cell.width()), qRound(2 * projection.pixelsPerDegree()));
        QCOMPARE(qRound(cell.bottom()), qRound(projection.rowOfLatitude(south)));
    }

    void writesAreCountedAsAFullReadingWould_data()
    {
        QTest::addColumn<QStringList>("steps");
        const QStringList each{
            "edit the first's call in place",     "save, a new entity",
            "save, the entity's new first",       "edit into another year and hour",
            "edit onto another band and mode",    "edit into another entity",
            "edit a locator into another square", "synced rows, one new and one changed",
            "delete the first of an entity",      "delete the last of an entity",
            "delete an entity's only QSO",        "emptied"};
        for (const QString &step : each)
            QTest::newRow(qPrintable(step)) << QStringList{step};
        QTest::newRow("all in a row") << each.mid(0, each.size() - 1);
        QTest::newRow("emptied, then saved")
            << QStringList{"emptied", "save, a new entity", "save, the entity's new first"};
    }
    void writesAreCountedAsAFullReadingWould()
    {
        QFETCH(QStringList, steps);
        stats::StatisticsTally tally;
        const QString path = f.app->log().fullLogDatabasePath();
        QVERIFY(tally.build(path));
        QCOMPARE(everything(tally.statistics()), everything(read()));
        connect(&f.app->log(), &LogModel::qsosChanged, this, [&](const QsoChange &change) {
            QVERIFY(change.many ? tally.build(path) : tally.update(path, change.ids));
        });
        for (const QString &step : steps) {
            write(step);
            QCOMPARE(everything(tally.statistics()), everything(read()));
        }
        disconnect(&f.app->log(), &LogModel::qsosChanged, this, nullptr);
    }

    void emptyLogbookHasHoursAndContinentsOnly()
    {
        QVERIFY(f.app->log().deleteAllEntries());
        const stats::QsoStatistics numbers = read();
        QCOMPARE(numbers.total, qint64(0));
        QVERIFY(numbers.of(Kind::Year).isEmpty());
        QVERIFY(numbers.of(Kind::Band).isEmpty());
        QCOMPARE(numbers.of(Kind::Hour).size(), 24);
        QVERIFY(numbers.entities.isEmpty());
    }

    void unreadableFileIsAnError()
    {
        QString error;
        QVERIFY(!stats::readStatistics(f.path(QStringLiteral("missing.rlog")), &error));
        QVERIFY(!error.isEmpty());
    }

    void shownStatisticsFollowWritesWithoutReadingAgain_data()
    {
        writesAreCountedAsAFullReadingWould_data();
    }
    void shownStatisticsFollowWritesWithoutReadingAgain()
    {
        QFETCH(QStringList, steps);
        stats::Statistics statistics(f.app->log());
        QSignalSpy reading(&statistics, &stats::Statistics::readingChanged);
        statistics.setLive(true);
        QVERIFY(statistics.isReading());
        QTRY_VERIFY(!statistics.isReading());
        QCOMPARE(everything(statistics.current()), everything(read()));
        for (const QString &step : steps) {
            reading.clear();
            write(step);
            // Only a change of many rows has the whole logbook read again.
            if (step == "emptied")
                QTRY_VERIFY(reading.count() == 2 && !statistics.isReading());
            else
                QCOMPARE(reading.count(), 0);
            QCOMPARE(everything(statistics.current()), everything(read()));
            QVERIFY(!statistics.isStale());
        }
    }

    void writesDuringTheReadingAreNotLost()
    {
        LogModel &log = f.app->log();
        stats::Statistics statistics(log);
        statistics.setLive(true);
        QVERIFY(statistics.isReading());
        // The worker may or may not see these; either way they are counted once.
        QsoClass added = contact("DL3CC", "2025-01-01 00:00:00", "20m", "CW", "EU", 230, "DL");
        QVERIFY(log.saveNewQSOtoLog(added));
        QVERIFY(log.deleteQSO(stored(QStringLiteral("JA1AA"))));
        QVERIFY(statistics.isReading());
        QTRY_VERIFY(!statistics.isReading());
        QCOMPARE(statistics.current().total, qint64(7));
        QCOMPARE(everything(statistics.current()), everything(read()));

        // Many rows while reading: read again.
        statistics.reread();
        QVERIFY(log.deleteAllEntries());
        QTRY_VERIFY(!statistics.isReading());
        QCOMPARE(statistics.current().total, qint64(0));
    }

    void hiddenStatisticsReadNothingWhole()
    {
        LogModel &log = f.app->log();
        stats::Statistics statistics(log);
        QSignalSpy reading(&statistics, &stats::Statistics::readingChanged);
        QVERIFY(log.deleteQSO(stored(QStringLiteral("JA1AA"))));
        QVERIFY(log.deleteAllEntries());
        QCOMPARE(reading.count(), 0);
        QVERIFY(statistics.isStale());
        statistics.setLive(true);
        QTRY_VERIFY(reading.count() == 2);
        QCOMPARE(statistics.current().total, qint64(0));
    }

    void seesWritesOfAnotherProgram()
    {
        stats::Statistics statistics(f.app->log());
        statistics.setLive(true);
        QTRY_COMPARE(statistics.current().total, qint64(7));
        statistics.setLive(false);
        db::Database other;
        QCOMPARE(other.open(f.app->log().fullLogDatabasePath()), 0);
        QVERIFY(other.exec(QStringLiteral("insert into logbook (callsign, datetime, band, mode) "
                                          "values ('W1AW', '2025-05-05 05:05:05', '20m', 'CW')")));
        other.close();
        QVERIFY(statistics.isStale());
        statistics.setLive(true);
        QVERIFY(statistics.isReading());
        QTRY_COMPARE(statistics.current().total, qint64(8));
    }

    void unreadableLogbookIsShownEmpty()
    {
        QFile::remove(f.app->log().fullLogDatabasePath());
        QVERIFY(QFile(f.app->log().fullLogDatabasePath()).open(QIODevice::WriteOnly));
        stats::Statistics statistics(f.app->log());
        statistics.setLive(true);
        QTRY_VERIFY(!statistics.isReading());
        QVERIFY(!statistics.error().isEmpty());
        QCOMPARE(statistics.current().total, qint64(0));
        // Not read again each time it is shown, until the file changes.
        QVERIFY(!statistics.isStale());
    }

    void screenShowsTheChosenKindAndEntities()
    {
        stats::StatisticsScreen screen(f.app->log(), f.app->dxcc());
        QAbstractItemModelTester tester(screen.entities());
        QSignalSpy refreshed(&screen, &stats::StatisticsScreen::refreshed);
        screen.setShown(true);
        QVERIFY(screen.reading());
        QTRY_VERIFY(refreshed.count() >= 1 && !screen.reading());
        QCOMPARE(screen.totalText(), "7 QSOs");
        QCOMPARE(screen.entities()->rowCount(), 3);
        QCOMPARE(screen.entities()->index(0).data(stats::EntitySpanModel::FirstRole).toString(),
                 "2023-12-31 23:59 DL1AA 20m CW");
        screen.setKind(int(Kind::Band));
        QCOMPARE(screen.chart().title, stats::kindTitle(Kind::Band));
        QCOMPARE(barsText(screen.chart().bars), "40m:1 20m:4 ??:2");
    }

    void chartDrawsBarsWhereTheDataSays_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("ratio");
        QTest::newRow("small") << QSize(320, 200) << 1.0;
        QTest::newRow("large") << QSize(1600, 900) << 1.0;
        QTest::newRow("high density screen") << QSize(1200, 800) << 2.0;
    }
    void chartDrawsBarsWhereTheDataSays()
    {
        QFETCH(QSize, size);
        QFETCH(double, ratio);
        const stats::ChartData chart{QStringLiteral("QSOs per band"),
                                     {{"40m", 10}, {"20m", 0}, {"15m", 5}}};
        const stats::ChartPalette palette = stats::ChartPalette::dark();
        const QImage image = stats::renderChart(chart, size, palette, ratio);
        QCOMPARE(image.size(), size);

        const stats::ChartLayout layout =
            stats::chartLayout(QRectF(QPointF(), QSizeF(size) / ratio), chart);
        QCOMPARE(layout.bars.size(), 3);
        const auto px = [ratio](QPointF p) { return p * ratio; };
        const QRectF &full = layout.bars.at(0);
        const QRectF &half = layout.bars.at(2);
        // The highest bar reaches the axis top, the other half as high; the empty one is not
        // drawn.
        QCOMPARE(layout.axisTop, qint64(10));
        QVERIFY(std::abs(half.height() - full.height() / 2) <= 1.0);
        QVERIFY(isBar(image, px(full.center()), palette.bar));
        QVERIFY(isBar(image, px(QPointF(full.center().x(), full.top() + 1)), palette.bar));
        QVERIFY(isBar(image, px(half.center()), palette.bar));
        QVERIFY(!isBar(image, px(QPointF(half.center().x(), half.top() - 2)), palette.bar));
        const QPointF emptyBottom(layout.bars.at(1).center().x(), layout.plot.bottom() - 3);
        QVERIFY(isBar(image, px(emptyBottom), palette.background));
    }

    void emptyChartIsStillAPicture()
    {
        const QImage image = stats::renderChart({QStringLiteral("QSOs per mode"), {}},
                                                QSize(400, 300), stats::ChartPalette::light());
        QCOMPARE(image.size(), QSize(400, 300));
        QCOMPARE(image.pixelColor(2, 2).rgb(), stats::ChartPalette::light().background.rgb());
    }
};

QTEST_MAIN(StatsTest)
#include "tst_stats.moc"
