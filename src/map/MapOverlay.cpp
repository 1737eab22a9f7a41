#include "map/MapOverlay.h"

#include "geo/GreatCirclePaths.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace map {
namespace {

const QColor kShortPath(0xe0, 0x1b, 0x1b);
const QColor kLongPath(0x1f, 0x3f, 0xe0);
const QColor kHome(0x1b, 0x9e, 0x3e);
const QColor kEnd(0xd6, 0x28, 0x28);
const QColor kSun(0xff, 0xd2, 0x1f);
const QColor kSunRim(0xd9, 0x6c, 0x00);

void paintDots(QPainter &painter, const QTransform &toTarget, const QList<QPointF> &points,
               const QColor &colour, double radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // The first point is home, which has its own marker.
    for (qsizetype i = 1; i < points.size(); ++i)
        painter.drawEllipse(toTarget.map(points.at(i)), radius, radius);
}

void paintPin(QPainter &painter, QPointF at, const QColor &fill, double radius)
{
    painter.setPen(QPen(Qt::white, std::max(1.5, radius / 3.0)));
    painter.setBrush(fill);
    painter.drawEllipse(at, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, radius / 3.0, radius / 3.0);
}

void paintSun(QPainter &painter, QPointF at, double radius)
{
    painter.setPen(QPen(kSunRim, std::max(1.5, radius / 4.0), Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4.0;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(at + direction * radius * 1.3, at + direction * radius * 1.8);
    }
    painter.setBrush(kSun);
    painter.drawEllipse(at, radius, radius);
}

QList<QPointF> projected(const geo::MapProjection &projection, const QList<geo::LatLon> &points)
{
    QList<QPointF> pixels;
    pixels.reserve(points.size());
    for (const geo::LatLon &point : points)
        pixels << projection.toPixel(point);
    return pixels;
}

} // namespace

MapOverlay stationOverlay(const geo::MapProjection &projection, std::optional<geo::LatLon> home,
                          std::optional<geo::LatLon> end)
{
    MapOverlay overlay;
    if (home)
        overlay.home = projection.toPixel(*home);
    if (end)
        overlay.end = projection.toPixel(*end);
    if (home && end) {
        const geo::GreatCirclePaths paths = geo::greatCirclePaths(*home, *end);
        overlay.shortPath = projected(projection, paths.shortPath);
        overlay.longPath = projected(projection, paths.longPath);
    }
    return overlay;
}

void paintMap(QPainter &painter, const QRectF &target, const QImage &map, const MapOverlay &overlay)
{
    if (map.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(target, map);
    painter.setClipRect(target);

    QTransform toTarget;
    toTarget.translate(target.left(), target.top());
    toTarget.scale(target.width() / map.width(), target.height() / map.height());
    // Sizes follow the picture, within limits that keep dots and markers visible and small.
    const double unit = std::clamp(target.width() / 1000.0, 0.8, 2.0);
    paintDots(painter, toTarget, overlay.longPath, kLongPath, unit);
    paintDots(painter, toTarget, overlay.shortPath, kShortPath, unit);
    if (overlay.sun)
        paintSun(painter, toTarget.map(*overlay.sun), 6.0 * unit);
    if (overlay.end)
        paintPin(painter, toTarget.map(*overlay.end), kEnd, 6.0 * unit);
    if (overlay.home)
        paintPin(painter, toTarget.map(*overlay.home), kHome, 6.0 * unit);
    painter.restore();
}

} // namespace map
