// The grayline map: shading, projection, midpoints, paths, the great-circle line and the screen.

#include "AppFixture.h"
#include "geo/Geodesic.h"
#include "geo/GraylineShading.h"
#include "geo/GreatCircle.h"
#include "geo/GreatCirclePaths.h"
#include "geo/MapProjection.h"
#include "geo/SolarPosition.h"
#include "map/GraylineScreen.h"
#include "root/AppDelegate.h"
#include "root/Startup.h"

#include <QImage>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using geo::LatLon;
Q_DECLARE_METATYPE(geo::LatLon)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const QDateTime kEquinoxNoon(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
const QDateTime kJuneSolsticeNoon(QDate(2025, 6, 21), QTime(12, 0), Qt::UTC);
const QDateTime kDecemberSolsticeNoon(QDate(2025, 12, 21), QTime(12, 0), Qt::UTC);

double angularDegrees(LatLon a, LatLon b)
{
    const double d = std::acos(
        std::clamp(std::sin(qDegreesToRadians(a.lat)) * std::sin(qDegreesToRadians(b.lat)) +
                       std::cos(qDegreesToRadians(a.lat)) * std::cos(qDegreesToRadians(b.lat)) *
                           std::cos(qDegreesToRadians(b.lon - a.lon)),
                   -1.0, 1.0));
    return qRadiansToDegrees(d);
}

} // namespace

class TestMap : public QObject, AppFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        startApp(kEquinoxNoon);
        startup::didFinishLaunching(*m_app);
    }

    void darknessSteps_data()
    {
        QTest::addColumn<double>("elevation");
        QTest::addColumn<double>("factor");
        QTest::newRow("sun up") << 10.0 << 1.0;
        QTest::newRow("horizon is still day") << 0.0 << 1.0;
        QTest::newRow("civil twilight") << -3.0 << 0.8;
        QTest::newRow("-6 exactly is nautical") << -6.0 << 0.7;
        QTest::newRow("-12 exactly is astronomical") << -12.0 << 0.6;
        QTest::newRow("-18 exactly is night") << -18.0 << 0.4;
        QTest::newRow("deep night") << -70.0 << 0.4;
    }
    void darknessSteps()
    {
        QFETCH(double, elevation);
        QFETCH(double, factor);
        QCOMPARE(geo::darkeningFactor(elevation), factor);
    }

    // A one-colour map shaded at chosen moments; each pixel is the colour times its step.
    void shadingAtMoments_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<LatLon>("place");
        QTest::addColumn<int>("red"); // of 200, truncated
        QTest::newRow("equinox noon, Gulf of Guinea") << kEquinoxNoon << LatLon{0, 1} << 200;
        QTest::newRow("equinox noon, date line") << kEquinoxNoon << LatLon{0, 179} << 80;
        // At the equinox the elevation on the equator is about 90° − |λ − 1.85°|.
        QTest::newRow("equinox, -3 deg") << kEquinoxNoon << LatLon{0, 95} << 160;
        QTest::newRow("equinox, -9 deg") << kEquinoxNoon << LatLon{0, 101} << 140;
        QTest::newRow("equinox, -15 deg") << kEquinoxNoon << LatLon{0, 107} << 120;
        QTest::newRow("equinox, -40 deg") << kEquinoxNoon << LatLon{0, 132} << 80;
        QTest::newRow("midnight sun in June") << kJuneSolsticeNoon << LatLon{75, 179} << 200;
        QTest::newRow("December noon at 79 N: -12.4 deg")
            << kDecemberSolsticeNoon << LatLon{79, 0} << 120;
        QTest::newRow("December midnight at 79 N: night")
            << kDecemberSolsticeNoon << LatLon{79, 179} << 80;
        QTest::newRow("December noon at 70 N: twilight")
            << kDecemberSolsticeNoon << LatLon{70, 1} << 160;
        QTest::newRow("far west wraps to the right edge") << kEquinoxNoon << LatLon{0, -175} << 80;
    }
    void shadingAtMoments()
    {
        QFETCH(QDateTime, moment);
        QFETCH(LatLon, place);
        QFETCH(int, red);
        const int width = 2048;
        const geo::MapProjection projection(width);
        QImage image(width, geo::MapProjection::heightForWidth(width), QImage::Format_ARGB32);
        image.fill(qRgba(200, 100, 50, 77));
        geo::shadeGrayline(reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                           image.height(), image.bytesPerLine() / 4, projection,
                           geo::solarPositionAt(moment));
        const QPoint pixel = projection.toPixel(place).toPoint();
        const QRgb shaded = image.pixel(pixel);
        QCOMPARE(qRed(shaded), red);
        QCOMPARE(qGreen(shaded), red / 2); // same factor on every colour channel
        QCOMPARE(qAlpha(shaded), 77);      // alpha untouched
    }

    void projection_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<LatLon>("place");
        QTest::addColumn<QPointF>("pixel");
        QTest::newRow("reference: 0,0") << 3284.0 << LatLon{0, 0} << QPointF(1541, 1244);
        QTest::newRow("half width: 0,0") << 1642.0 << LatLon{0, 0} << QPointF(770.5, 622);
        QTest::newRow("reference: 90 E")
            << 3284.0 << LatLon{0, 90} << QPointF(1541 + 90 * 9.089855072463768, 1244);
        QTest::newRow("-175 drawn at 185")
            << 3284.0 << LatLon{0, -175} << QPointF(1541 + 185 * 9.089855072463768, 1244);
        // Mercator: y = ln(tan(45° + 22.5°)) · R, R = 9.0898… · 180/π.
        QTest::newRow("reference: 45 N")
            << 3284.0 << LatLon{45, 0}
            << QPointF(1541, 1244 - 0.881373587019543 * 9.089855072463768 * 180 / M_PI);
    }
    void projection()
    {
        QFETCH(double, width);
        QFETCH(LatLon, place);
        QFETCH(QPointF, pixel);
        const geo::MapProjection projection(width);
        const QPointF got = projection.toPixel(place);
        QVERIFY2(std::abs(got.x() - pixel.x()) < 1e-6 && std::abs(got.y() - pixel.y()) < 1e-6,
                 qPrintable(QStringLiteral("%1,%2").arg(got.x()).arg(got.y())));
        const LatLon back = projection.toLatLon(got);
        QVERIFY(std::abs(back.lat - place.lat) < 1e-6);
        QVERIFY(std::abs(back.lon - place.lon) < 1e-6);
    }

    void midPoints_data()
    {
        QTest::addColumn<LatLon>("from");
        QTest::addColumn<LatLon>("to");
        QTest::addColumn<LatLon>("middle");
        QTest::newRow("along the equator") << LatLon{0, 0} << LatLon{0, 90} << LatLon{0, 45};
        QTest::newRow("along a meridian") << LatLon{10, 20} << LatLon{50, 20} << LatLon{30, 20};
        QTest::newRow("across the date line")
            << LatLon{0, 170} << LatLon{0, -170} << LatLon{0, 180};
        QTest::newRow("coincident")
            << LatLon{52.5, 13.4} << LatLon{52.5, 13.4} << LatLon{52.5, 13.4};
        QTest::newRow("antipodes: a quarter turn north")
            << LatLon{0, 0} << LatLon{0, 180} << LatLon{90, 0};
        QTest::newRow("antipodes: over the pole")
            << LatLon{40, 10} << LatLon{-40, -170} << LatLon{50, -170};
    }
    void midPoints()
    {
        QFETCH(LatLon, from);
        QFETCH(LatLon, to);
        QFETCH(LatLon, middle);
        const LatLon got = geo::midPoint(from, to);
        QVERIFY2(angularDegrees(got, middle) < 1e-6,
                 qPrintable(QStringLiteral("%1,%2").arg(got.lat).arg(got.lon)));
        // Halfway indeed, also where the great circle is a choice.
        QVERIFY(std::abs(angularDegrees(from, got) - angularDegrees(got, to)) < 1e-6);
    }

    void paths_data()
    {
        QTest::addColumn<LatLon>("home");
        QTest::addColumn<LatLon>("end");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("Berlin to Sydney") << LatLon{52.52, 13.4} << LatLon{-33.9, 151.2} << true;
        QTest::newRow("20 000 km apart") << LatLon{0, 0} << LatLon{0.5, 179.7} << true;
        QTest::newRow("antipodes") << LatLon{0, 0} << LatLon{0, 180} << true;
        QTest::newRow("coincident") << LatLon{52.52, 13.4} << LatLon{52.52, 13.4} << true;
        QTest::newRow("no far station (999)") << LatLon{52.52, 13.4} << LatLon{999, 0} << false;
        QTest::newRow("unusable own locator") << LatLon{109.0, 12.0} << LatLon{0, 0} << false;
        QTest::newRow("NaN home") << LatLon{kNaN, kNaN} << LatLon{0, 0} << false;
    }
    void paths()
    {
        QFETCH(LatLon, home);
        QFETCH(LatLon, end);
        QFETCH(bool, drawn);
        const geo::GreatCirclePaths paths = geo::greatCirclePaths(home, end);
        QCOMPARE(!paths.shortPath.isEmpty(), drawn);
        QCOMPARE(!paths.longPath.isEmpty(), drawn);
        if (!drawn)
            return;
        for (const QList<LatLon> *path : {&paths.shortPath, &paths.longPath}) {
            // Bounded (2^16 segments at most), dotted at no more than 10 km, home to end.
            QVERIFY(path->size() <= (1 << geo::kMaxBisectionRounds) * 2 + 1);
            QVERIFY(std::trunc(geo::geodesicDistance(path->at(0), path->at(1)) / 1000) <= 10);
            QVERIFY(angularDegrees(path->first(), home) < 1e-6);
            QVERIFY(angularDegrees(path->last(), end) < 1e-6);
            for (const LatLon &point : *path)
                QVERIFY(geo::isOnGlobe(point));
        }
    }

    void bisectionStopsOnUnmeasurableDistance()
    {
        const QList<LatLon> points = geo::bisectPath({LatLon{kNaN, 0}, LatLon{0, 0}});
        QCOMPARE(points.size(), 3); // one round, then the NaN distance ends it
    }

    void greatCircleLines_data()
    {
        QTest::addColumn<LatLon>("from");
        QTest::addColumn<LatLon>("to");
        QTest::addColumn<int>("lines");
        QTest::newRow("Berlin to New York") << LatLon{52.5, 13.4} << LatLon{40.7, -74} << 1;
        QTest::newRow("Tokyo to San Francisco crosses 180")
            << LatLon{35.7, 139.7} << LatLon{37.8, -122.4} << 2;
        QTest::newRow("San Francisco to Tokyo crosses back")
            << LatLon{37.8, -122.4} << LatLon{35.7, 139.7} << 2;
        QTest::newRow("coincident") << LatLon{10, 10} << LatLon{10, 10} << 1;
        QTest::newRow("antipodes") << LatLon{0, 0} << LatLon{0, 180} << 1;
        QTest::newRow("off the globe") << LatLon{999, 0} << LatLon{10, 10} << 0;
    }
    void greatCircleLines()
    {
        QFETCH(LatLon, from);
        QFETCH(LatLon, to);
        QFETCH(int, lines);
        const QList<QList<LatLon>> got = geo::greatCircleLine(from, to);
        QCOMPARE(got.size(), lines);
        if (lines == 0)
            return;
        qsizetype points = 0;
        for (const QList<LatLon> &line : got) {
            points += line.size();
            for (const LatLon &point : line)
                QVERIFY(geo::isOnGlobe(point));
        }
        QCOMPARE(points, 250);
        QVERIFY(angularDegrees(got.first().first(), from) < 1e-6);
        QVERIFY(angularDegrees(got.last().last(), to) < 1e-6);
        // The second point lies 0.004 of the way along.
        const double total = angularDegrees(from, to);
        const LatLon second = got.first().size() > 1 ? got.first().at(1) : got.at(1).first();
        QVERIFY(std::abs(angularDegrees(from, second) - 0.004 * total) < 1e-6);
    }

    void screenRedrawsAndTakesTheFarEnd()
    {
        map::GraylineScreen screen(m_app->defaults(), m_app->clock(), m_app->log());
        QVERIFY(!screen.home().has_value());
        // Home follows the logbook's own locator.
        QVERIFY(m_app->log().updatePrefs(QStringLiteral("mylocator"), QStringLiteral("JO62QM")));
        QVERIFY(screen.home().has_value());
        QSignalSpy images(&screen, &map::GraylineScreen::imageChanged);
        screen.setShown(true);
        QTRY_COMPARE(screen.moment(), kEquinoxNoon);
        QCOMPARE(screen.timeText(), QStringLiteral("12:00"));

        screen.setEndLocator(QStringLiteral("QF56"));
        QVERIFY(screen.infoText().startsWith(QStringLiteral("QF56: 16,")));
        QVERIFY(!screen.overlay().shortPath.isEmpty());

        // Shown again within the same minute: the cached image serves.
        const qsizetype before = images.size();
        screen.setShown(false);
        screen.setShown(true);
        QTest::qWait(50); // proves that no new image is asked for
        QCOMPARE(images.size(), before);

        screen.showNow();
        QVERIFY(screen.infoText().isEmpty());
        QVERIFY(!screen.overlay().end.has_value());
    }

    void olderRedrawDoesNotReplaceNewer()
    {
        map::GraylineScreen screen(m_app->defaults(), m_app->clock(), m_app->log());
        QImage newer(8, 8, QImage::Format_RGB32);
        newer.fill(Qt::red);
        QImage older(8, 8, QImage::Format_RGB32);
        older.fill(Qt::blue);
        screen.acceptRendered(7, kJuneSolsticeNoon, newer);
        screen.acceptRendered(6, kEquinoxNoon, older);
        QCOMPARE(screen.image().pixel(0, 0), QColor(Qt::red).rgb());
        QCOMPARE(screen.moment(), kJuneSolsticeNoon);
    }

    void noOwnLocatorDrawsNoPath()
    {
        QVERIFY(m_app->log().updatePrefs(QStringLiteral("mylocator"), QStringLiteral("jo6")));
        map::GraylineScreen screen(m_app->defaults(), m_app->clock(), m_app->log());
        screen.tapAt(0.5, 0.5);
        QVERIFY(screen.overlay().end.has_value());
        QVERIFY(screen.overlay().shortPath.isEmpty());
        QVERIFY(screen.overlay().longPath.isEmpty());
        screen.longPressAt(0.6, 0.4); // home by hand; the paths wait for the next far station
        QVERIFY(screen.overlay().shortPath.isEmpty());
        screen.tapAt(0.2, 0.3);
        QVERIFY(!screen.overlay().shortPath.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMap)
#include "tst_map.moc"
