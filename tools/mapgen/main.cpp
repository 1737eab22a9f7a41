// brindlewick-mapgen: draws the grayline screen's world map (Mercator, in the map's fixed
// geometry) from Natural Earth country outlines in TopoJSON, as the npm package world-atlas
// ships them. See README.md beside this file.

#include "TopoJson.h"
#include "geo/MapProjection.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Chosen to stay apart from each other by day and under the night's darkest step (× 0.4), and
// to sit well on light and dark window backgrounds alike.
const QColor kSea(0x4f, 0x86, 0xbd);
const QColor kLand(0xd9, 0xcb, 0x94);
const QColor kCoast(0x3c, 0x55, 0x6e);
const QColor kBorder(0x8a, 0x5c, 0x30);
const QColor kGraticule(255, 255, 255, 40);

// Mercator has no row for the poles; outlines reaching them are cut off here, off the map.
constexpr double kMaxLatitude = 89.5;

bool isCut(QPointF a, QPointF b)
{
    constexpr double kEdge = 179.999;
    const bool alongMeridian = std::abs(std::remainder(a.x(), 360.0)) > kEdge &&
                               std::abs(std::remainder(b.x(), 360.0)) > kEdge;
    const bool alongPole = a.y() < -89.9 && b.y() < -89.9;
    return alongMeridian || alongPole;
}

class MapCanvas {
public:
    MapCanvas(int width) : m_projection(width) {}

    [[nodiscard]] QPointF project(QPointF lonLat) const
    {
        const double lat = std::clamp(lonLat.y(), -kMaxLatitude, kMaxLatitude);
        return {lonLat.x() * m_projection.pixelsPerDegree() + m_projection.centerFromLeft(),
                m_projection.rowOfLatitude(lat)};
    }

    [[nodiscard]] QPainterPath path(const QList<QPointF> &points, bool closed) const
    {
        QPainterPath result;
        for (qsizetype i = 0; i < points.size(); ++i) {
            if (i == 0)
                result.moveTo(project(points.at(i)));
            else
                result.lineTo(project(points.at(i)));
        }
        if (closed)
            result.closeSubpath();
        return result;
    }

    /** The outline of a ring without the edges Natural Earth adds where it cuts land at the
     *  180° meridian and at the South Pole: those are no coast. */
    [[nodiscard]] QPainterPath coast(const QList<QPointF> &ring) const
    {
        QPainterPath result;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const bool cut = i > 0 && isCut(ring.at(i - 1), ring.at(i));
            if (i == 0 || cut)
                result.moveTo(project(ring.at(i)));
            else
                result.lineTo(project(ring.at(i)));
        }
        return result;
    }

    /** The map spans a little more than one turn: everything is drawn where it lies and one
     *  turn east and west of that, and the bitmap's edges clip. */
    void drawWrapped(QPainter &painter, const QPainterPath &path) const
    {
        const double turn = 360.0 * m_projection.pixelsPerDegree();
        for (const double dx : {-turn, 0.0, turn})
            painter.drawPath(path.translated(dx, 0.0));
    }

private:
    geo::MapProjection m_projection;
};

/** The ring with longitudes made continuous, so that a ring crossing the 180° meridian does not
 *  jump across the whole map. A ring that goes once round the globe (Antarctica) is closed over
 *  the pole. */
QList<QPointF> unwrapped(QList<QPointF> ring)
{
    for (qsizetype i = 1; i < ring.size(); ++i) {
        const double step = ring.at(i).x() - ring.at(i - 1).x();
        if (step > 180.0 || step < -180.0)
            ring[i].rx() -= 360.0 * std::round(step / 360.0);
    }
    if (ring.size() > 2 && std::abs(ring.last().x() - ring.first().x()) > 180.0) {
        const double pole = ring.first().y() < 0.0 ? -90.0 : 90.0;
        ring << QPointF(ring.last().x(), pole) << QPointF(ring.first().x(), pole);
    }
    return ring;
}

int fail(const char *message)
{
    std::fprintf(stderr, "brindlewick-mapgen: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr,
                     "Usage: brindlewick-mapgen COUNTRIES.json OUT.png [WIDTH]\n"
                     "  COUNTRIES.json: countries-50m.json of the npm package world-atlas\n");
        return 1;
    }
    const int width = args.size() == 4 ? args.at(3).toInt() : 2048;
    if (width < 256)
        return fail("the width must be at least 256 pixels");

    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly))
        return fail("cannot read the TopoJSON file");
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail("the TopoJSON file is not JSON");
    const TopoJson topology(document.object());
    if (!topology.error().isEmpty())
        return fail(qPrintable(topology.error()));
    const QList<TopoJson::Polygon> land = topology.polygons(QStringLiteral("land"));
    if (land.isEmpty())
        return fail("the file has no \"land\" object");

    const int height = geo::MapProjection::heightForWidth(width);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kSea);
    const MapCanvas canvas(width);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double lineWidth = std::max(1.0, width / 2048.0);

    painter.setPen(QPen(kGraticule, lineWidth));
    for (int lat = -60; lat <= 60; lat += 30)
        canvas.drawWrapped(painter, canvas.path({QPointF(-180, lat), QPointF(180, lat)}, false));
    for (int lon = -180; lon < 180; lon += 30)
        canvas.drawWrapped(painter, canvas.path({QPointF(lon, -85), QPointF(lon, 85)}, false));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kLand);
    QPainterPath landPath;
    landPath.setFillRule(Qt::OddEvenFill);
    for (const TopoJson::Polygon &polygon : land)
        for (const QList<QPointF> &ring : polygon)
            landPath.addPath(canvas.path(unwrapped(ring), true));
    canvas.drawWrapped(painter, landPath);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBorder, lineWidth));
    for (const QList<QPointF> &arc : topology.sharedArcs(QStringLiteral("countries")))
        canvas.drawWrapped(painter, canvas.path(unwrapped(arc), false));
    painter.setPen(QPen(kCoast, lineWidth * 0.8));
    for (const TopoJson::Polygon &polygon : land)
        for (const QList<QPointF> &ring : polygon)
            canvas.drawWrapped(painter, canvas.coast(unwrapped(ring)));
    painter.end();

    if (!image.save(args.at(2), "PNG", 9))
        return fail("cannot write the PNG file");
    std::printf("%dx%d map written to %s\n", width, height, qPrintable(args.at(2)));
    return 0;
}
