#pragma once

#include "geo/LatLon.h"
#include "geo/MapProjection.h"

#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

namespace map {

/** What the log has reached, drawn over the map: the worked grid squares as tinted cells and
 *  the far stations' positions as dots, in bitmap pixels of the map. */
struct WorkedLayer {
    QList<QRectF> squares;
    QList<QPointF> endPoints;
};

/** The cells of 4-character grid squares ("JO62", any case; others are left out) and the dots
 *  of the end points. */
[[nodiscard]] WorkedLayer workedLayer(const geo::MapProjection &projection,
                                      const QStringList &squares,
                                      const QList<geo::LatLon> &endPoints);

/** Paints the layer over a map of mapSize pixels that paintMap drew scaled into the target. */
void paintWorkedLayer(QPainter &painter, const QRectF &target, QSizeF mapSize,
                      const WorkedLayer &layer);

} // namespace map
