#include "geo/Bearing.h"
#include "geo/DateHelpers.h"
#include "geo/Geodesic.h"
#include "geo/Locator.h"
#include "geo/Sun.h"

#include <QTest>
#include <QTimeZone>

#include <cmath>

using namespace geo;

namespace {

QDateTime utc(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODate).toTimeZone(QTimeZone::utc());
}

/** Minutes after midnight of a "HHMMz" text. */
int minutesOf(const QString &sunTime)
{
    return sunTime.left(2).toInt() * 60 + sunTime.mid(2, 2).toInt();
}

/** Distance on the 24-hour dial, so 2359 and 0001 are 2 minutes apart. */
int dialDistance(int a, int b)
{
    const int d = std::abs(a - b);
    return std::min(d, 24 * 60 - d);
}

} // namespace

class TestGeo : public QObject {
    Q_OBJECT
private slots:
    void referencePoint_data();
    void referencePoint();
    void locatorFromPosition_data();
    void locatorFromPosition();
    void validity_data();
    void validity();
    void geodesicDistance_data();
    void geodesicDistance();
    void geodesicDistanceOffTheGlobe();
    void locatorPath_data();
    void locatorPath();
    void sunTimesMatchAlmanac_data();
    void sunTimesMatchAlmanac();
    void sunTimesWithoutEvent_data();
    void sunTimesWithoutEvent();
    void sunTimeWraps_data();
    void sunTimeWraps();
    void sunElevation_data();
    void sunElevation();
    void dates();
};

void TestGeo::referencePoint_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::newRow("square stands for its LL subsquare") << "JO62" << 52.4791666667 << 12.9583333333;
    QTest::newRow("subsquare centre") << "JO62QM" << 52.5208333333 << 13.375;
    QTest::newRow("extended subsquare ignored") << "JO62QM12AB" << 52.5208333333 << 13.375;
    QTest::newRow("south-west corner of the grid") << "AA00AA" << -89.9791666667 << -179.9583333333;
    QTest::newRow("north-east corner of the grid") << "RR99XX" << 89.9791666667 << 179.9583333333;
    QTest::newRow("three characters unusable") << "JO6" << 0.0 << 0.0;
    QTest::newRow("five characters unusable") << "JO62Q" << 0.0 << 0.0;
}

void TestGeo::referencePoint()
{
    QFETCH(QString, locator);
    QFETCH(double, lat);
    QFETCH(double, lon);
    QVERIFY2(std::abs(getLat(locator) - lat) < 1e-9, qPrintable(QString::number(getLat(locator))));
    QVERIFY2(std::abs(getLon(locator) - lon) < 1e-9, qPrintable(QString::number(getLon(locator))));
    const LatLon point = getCLLocationFromLocator(locator);
    QCOMPARE(point.lat, getLat(locator));
    QCOMPARE(point.lon, getLon(locator));
}

void TestGeo::locatorFromPosition_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QString>("locator6");
    QTest::addColumn<QString>("locator10");
    // Worked out by hand from the grid's steps, away from any cell edge.
    QTest::newRow("Berlin") << 52.52 << 13.41 << "JO62QM"
                            << "JO62QM94ET";
    QTest::newRow("Greenwich observatory") << 51.4779 << -0.0015 << "IO91XL"
                                           << "IO91XL94TQ";
    QTest::newRow("Sydney, south and east") << -33.87 << 151.21 << "QF56OD"
                                            << "QF56OD51EE";
    QTest::newRow("180 degrees east is not clamped") << 0.0 << 180.0 << "SJ00AA"
                                                     << "";
}

void TestGeo::locatorFromPosition()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QString, locator6);
    QFETCH(QString, locator10);
    QCOMPARE(getLocator({lat, lon}), locator6);
    const QString extended = getLocator8({lat, lon});
    QCOMPARE(extended.left(6), locator6);
    if (!locator10.isEmpty())
        QCOMPARE(extended, locator10);
}

void TestGeo::validity_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<bool>("valid");
    QTest::newRow("square") << "JO62" << true;
    QTest::newRow("subsquare") << "JO62QM" << true;
    QTest::newRow("extended subsquare up to X") << "JO62QM12AX" << true;
    QTest::newRow("last field R") << "RR99XX99XX" << true;
    QTest::newRow("lower case") << "jo62qm" << false;
    QTest::newRow("field after R") << "SO62" << false;
    QTest::newRow("subsquare after X") << "JO62YA" << false;
    QTest::newRow("letter in extended square") << "JO62QM1A" << false;
    QTest::newRow("digit in field") << "J062" << false;
    QTest::newRow("length 7") << "JO62QM1" << false;
    QTest::newRow("length 12") << "JO62QM12AB12" << false;
}

void TestGeo::validity()
{
    QFETCH(QString, locator);
    QFETCH(bool, valid);
    QCOMPARE(locatorIsValid(locator), valid);
}

void TestGeo::geodesicDistance_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");
    QTest::addColumn<double>("metres");
    QTest::addColumn<double>("tolerance");
    // Published WGS-84 solutions (GeographicLib's documentation and test suite, Karney 2013).
    QTest::newRow("JFK to LHR") << 40.6 << -73.8 << 51.6 << -0.5 << 5551759.400319 << 0.001;
    QTest::newRow("JFK to CDG") << 40.6 << -73.8 << 49.01666667 << 2.55 << 5853226.0 << 0.5;
    QTest::newRow("nearly antipodal, Karney's example")
        << -30.0 << 0.0 << 29.9 << 179.8 << 19989832.827610 << 0.001;
    QTest::newRow("along the equator, 179 degrees")
        << 0.0 << 0.0 << 0.0 << 179.0 << 19926189.0 << 0.5;
    QTest::newRow("equator, 179.5 degrees leaves it")
        << 0.0 << 0.0 << 0.0 << 179.5 << 19980862.0 << 0.5;
    QTest::newRow("equatorial antipodes go over a pole")
        << 0.0 << 0.0 << 0.0 << 180.0 << 20003931.0 << 0.5;
    QTest::newRow("antipodal meridian, one degree off")
        << 0.0 << 0.0 << 1.0 << 180.0 << 19893357.0 << 0.5;
    QTest::newRow("pole to pole is twice the quarter meridian")
        << 90.0 << 0.0 << -90.0 << 0.0 << 20003931.4586 << 0.001;
    QTest::newRow("quarter of the equator") << 0.0 << 0.0 << 0.0 << 90.0 << 10018754.1714 << 0.001;
    QTest::newRow("very short line")
        << 36.493349428792 << 0.0 << 36.49334942879201 << 0.0000008 << 0.072 << 0.0005;
    QTest::newRow("identical points") << 52.5 << 13.4 << 52.5 << 13.4 << 0.0 << 0.0;
    QTest::newRow("across the date line") << -40.0 << 179.5 << -40.0 << -179.5 << 85393.8 << 100.0;
}

void TestGeo::geodesicDistance()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    QFETCH(double, metres);
    QFETCH(double, tolerance);
    const double forward = geo::geodesicDistance({lat1, lon1}, {lat2, lon2});
    const double backward = geo::geodesicDistance({lat2, lon2}, {lat1, lon1});
    QVERIFY2(std::abs(forward - metres) <= tolerance, qPrintable(QString::number(forward, 'f', 6)));
    QVERIFY2(std::abs(backward - metres) <= tolerance,
             qPrintable(QString::number(backward, 'f', 6)));
}

void TestGeo::geodesicDistanceOffTheGlobe()
{
    QVERIFY(std::isnan(geo::geodesicDistance({91.0, 0.0}, {0.0, 0.0})));
    // Lower-case letters put the reference point beyond the pole: no distance.
    QCOMPARE(getDistanceFrom(QStringLiteral("jo62qm"), QStringLiteral("JO62QM")), 0);
}

void TestGeo::locatorPath_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("km");
    QTest::addColumn<int>("bearing");
    QTest::newRow("identical points") << "JO62QM"
                                      << "JO62QM" << 0 << 180;
    QTest::newRow("square and its LL subsquare") << "JO62"
                                                 << "JO62LL" << 0 << 180;
    // One subsquare north: 1/24 degree of meridian at 52.5 N is 4.64 km, rounded up.
    QTest::newRow("one subsquare north") << "JO62QM"
                                         << "JO62QN" << 5 << 0;
    QTest::newRow("one subsquare south") << "JO62QN"
                                         << "JO62QM" << 5 << 180;
    // Four degrees along 0.02 N: an equatorial arc of 445.3 km.
    QTest::newRow("due east near the equator") << "JJ00AA"
                                               << "JJ20AA" << 445 << 90;
    QTest::newRow("due west near the equator") << "JJ20AA"
                                               << "JJ00AA" << 445 << 270;
    // From 0,0 to 0.479 N 0.958 E: on the sphere tan(bearing) = 2, 63.4 degrees.
    QTest::newRow("unusable locator counts as 0,0") << "JO6"
                                                    << "JJ00" << 119 << 63;
}

void TestGeo::locatorPath()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, km);
    QFETCH(int, bearing);
    QCOMPARE(getDistanceFrom(from, to), km);
    QCOMPARE(getBearingFrom(from, to), bearing);
}

void TestGeo::sunTimesMatchAlmanac_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    // Almanac times (UTC) for the cities around these subsquares.
    QTest::newRow("Berlin, midsummer") << "JO62QM" << utc("2024-06-21T00:00:00Z") << "0243z"
                                       << "1933z";
    QTest::newRow("Berlin, midwinter") << "JO62QM" << utc("2024-12-21T00:00:00Z") << "0715z"
                                       << "1454z";
    QTest::newRow("New York, sunset after UTC midnight")
        << "FN20XR" << utc("2024-06-21T00:00:00Z") << "0925z"
        << "0031z";
}

void TestGeo::sunTimesMatchAlmanac()
{
    QFETCH(QString, locator);
    QFETCH(QDateTime, now);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    const QString rise = calcSunrise(locator, -0.833, now);
    const QString set = calcSunset(locator, -0.833, now);
    QVERIFY2(dialDistance(minutesOf(rise), minutesOf(sunrise)) <= 2, qPrintable(rise));
    QVERIFY2(dialDistance(minutesOf(set), minutesOf(sunset)) <= 2, qPrintable(set));
    QVERIFY(rise.endsWith(QLatin1Char('z')) && rise.size() == 5);
}

void TestGeo::sunTimesWithoutEvent_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    const QDateTime summer = utc("2024-06-21T12:00:00Z");
    const QDateTime winter = utc("2024-12-21T12:00:00Z");
    QTest::newRow("80 N midsummer: sun stays up") << "JR00" << summer << "++++";
    QTest::newRow("80 N midwinter: sun stays down") << "JR00" << winter << "----";
    QTest::newRow("unusable locator") << "JO62Q" << summer << "????";
}

void TestGeo::sunTimesWithoutEvent()
{
    QFETCH(QString, locator);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    QCOMPARE(calcSunrise(locator, -0.833, now), expected);
    QCOMPARE(calcSunset(locator, -0.833, now), expected);
}

void TestGeo::sunTimeWraps_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("text");
    QTest::newRow("past midnight wraps back") << 24.3 << "0018z";
    QTest::newRow("before midnight wraps forward") << -0.5 << "2330z";
    QTest::newRow("last minute of the day") << 23.999 << "2359z";
    QTest::newRow("exactly 24 is midnight") << 24.0 << "0000z";
}

void TestGeo::sunTimeWraps()
{
    QFETCH(double, hours);
    QFETCH(QString, text);
    QCOMPARE(sunTimeText(hours), text);
}

void TestGeo::sunElevation_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("tolerance");
    // Noon at the solstice: 90° − 52.52° + 23.44°; midnight: −(90° − 52.52° − 23.44°).
    QTest::newRow("Berlin, solstice noon")
        << "JO62QM" << utc("2024-06-21T11:06:00Z") << 60.92 << 0.3;
    QTest::newRow("Berlin, solstice midnight")
        << "JO62QM" << utc("2024-06-21T23:06:00Z") << -14.04 << 0.3;
    QTest::newRow("unusable locator: equinox noon at 0,0")
        << "JO6" << utc("2024-03-20T12:07:00Z") << 89.5 << 1.0;
    QTest::newRow("seconds are ignored") << "JO62QM" << utc("2024-06-21T11:06:59Z") << 60.92 << 0.3;
}

void TestGeo::sunElevation()
{
    QFETCH(QString, locator);
    QFETCH(QDateTime, now);
    QFETCH(double, degrees);
    QFETCH(double, tolerance);
    const double elevation = calcSunElevation(locator, now);
    QVERIFY2(std::abs(elevation - degrees) <= tolerance, qPrintable(QString::number(elevation)));
}

void TestGeo::dates()
{
    QCOMPARE(makeDate(QStringLiteral("2024-02-29")), utc("2024-02-29T00:00:00Z"));
    QVERIFY(!makeDate(QStringLiteral("2023-02-29")));
    QVERIFY(!makeDate(QStringLiteral("2024-02-29 10:00:00")));

    const QDateTime evening = utc("2024-09-05T23:12:59Z");
    QCOMPARE(sqlDate(evening), QStringLiteral("2024-09-05"));
    QCOMPARE(qslDateTime(evening), QStringLiteral("05-Sep-2024 2312"));
    QCOMPARE(dateAt0(evening), utc("2024-09-05T00:00:00Z"));
    QCOMPARE(dateAt24(evening), utc("2024-09-05T23:59:59Z"));
    // The calendar day is the UTC one, whatever zone the instant was given in.
    const QDateTime berlinMorning = evening.toTimeZone(QTimeZone("Europe/Berlin"));
    QCOMPARE(dateAt0(berlinMorning), utc("2024-09-05T00:00:00Z"));

    QCOMPARE(qslDateTime(QDateTime()), QString());
    QVERIFY(!dateAt0(QDateTime()));
    QVERIFY(!dateAt24(QDateTime()));
}

QTEST_GUILESS_MAIN(TestGeo)
#include "tst_geo.moc"
