#include "map/WorkedLayer.h"

#include <algorithm>
#include <optional>

namespace map {
namespace {

const QColor kSquareFill(0xff, 0x8f, 0x00, 0x70);
const QColor kSquareEdge(0xc4, 0x5a, 0x00, 0xc0);
const QColor kEndPoint(0x1a, 0x23, 0x7e);

/** South-west corner of a grid square: fields of 20° × 10°, squares of 2° × 1°. */
std::optional<geo::LatLon> southWestCorner(const QString &square)
{
    const QString upper = square.trimmed().toUpper();
    if (upper.size() != 4)
        return std::nullopt;
    const QChar lonField = upper.at(0);
    const QChar latField = upper.at(1);
    if (lonField < u'A' || lonField > u'R' || latField < u'A' || latField > u'R' ||
        !upper.at(2).isDigit() || !upper.at(3).isDigit())
        return std::nullopt;
    geo::LatLon corner;
    corner.lon = (lonField.unicode() - u'A') * 20.0 - 180.0 + upper.at(2).digitValue() * 2.0;
    corner.lat = (latField.unicode() - u'A') * 10.0 - 90.0 + upper.at(3).digitValue();
    return corner;
}

} // namespace

WorkedLayer workedLayer(const geo::MapProjection &projection, const QStringList &squares,
                        const QList<geo::LatLon> &endPoints)
{
    WorkedLayer layer;
    for (const QString &square : squares) {
        const std::optional<geo::LatLon> corner = southWestCorner(square);
        if (!corner)
            continue;
        // The column from the corner (moved east with it where the map wraps), the rows from
        // both latitudes: Mercator cells grow towards the poles.
        const double left = projection.toPixel(*corner).x();
        const double top = projection.rowOfLatitude(corner->lat + 1.0);
        const double bottom = projection.rowOfLatitude(corner->lat);
        layer.squares << QRectF(left, top, 2.0 * projection.pixelsPerDegree(), bottom - top);
    }
    for (const geo::LatLon &point : endPoints)
        layer.endPoints << projection.toPixel(point);
    return layer;
}

void paintWorkedLayer(QPainter &painter, const QRectF &target, QSizeF mapSize,
                      const WorkedLayer &layer)
{
    if (mapSize.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing);
    QTransform toTarget;
    toTarget.translate(target.left(), target.top());
    toTarget.scale(target.width() / mapSize.width(), target.height() / mapSize.height());
    painter.setPen(QPen(kSquareEdge, 1));
    painter.setBrush(kSquareFill);
    for (const QRectF &square : layer.squares)
        painter.drawRect(toTarget.mapRect(square));
    // Small and without a rim: a busy log has thousands, which must not hide the map.
    const double radius = std::clamp(target.width() / 1000.0, 1.0, 3.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEndPoint);
    for (const QPointF &point : layer.endPoints)
        painter.drawEllipse(toTarget.map(point), radius, radius);
    painter.restore();
}

} // namespace map
