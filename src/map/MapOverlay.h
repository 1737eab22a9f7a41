#pragma once

#include "geo/LatLon.h"
#include "geo/MapProjection.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <optional>

namespace map {

/** What is drawn over the shaded map, in bitmap pixels: the two paths as dots and the markers of
 *  the own station, the far station and the subsolar point. */
struct MapOverlay {
    QList<QPointF> shortPath;
    QList<QPointF> longPath;
    std::optional<QPointF> home;
    std::optional<QPointF> end;
    std::optional<QPointF> sun;
};

/** The markers of the own and the far station and, when both are known, the short and the long
 *  path between them; the sun is left to the caller. */
[[nodiscard]] MapOverlay stationOverlay(const geo::MapProjection &projection,
                                        std::optional<geo::LatLon> home,
                                        std::optional<geo::LatLon> end);

/** Paints the map scaled into the target rectangle and the overlay over it: the short path in
 *  red, the long path in blue (a dot at every point but the first), then the markers. Used by
 *  the screen and by the command line, so both draw alike. */
void paintMap(QPainter &painter, const QRectF &target, const QImage &map,
              const MapOverlay &overlay);

} // namespace map
