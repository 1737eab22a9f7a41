#pragma once

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QString>

/** Reads the arcs and polygons of a TopoJSON topology (quantized or not). Points are
 *  longitude/latitude pairs in degrees (x = longitude). */
class TopoJson {
public:
    /** A polygon: its outer ring first, then its holes, each a closed list of points. */
    using Polygon = QList<QList<QPointF>>;

    /** Decodes the topology; error() says what was wrong when it is not one. */
    explicit TopoJson(const QJsonObject &topology);

    [[nodiscard]] const QString &error() const { return m_error; }
    /** Polygons of every geometry of the named object (a GeometryCollection). */
    [[nodiscard]] QList<Polygon> polygons(const QString &object) const;
    /** Arcs that border two different geometries of the named object: inner boundaries. */
    [[nodiscard]] QList<QList<QPointF>> sharedArcs(const QString &object) const;

private:
    [[nodiscard]] QList<QPointF> ring(const QJsonArray &arcIndexes) const;
    [[nodiscard]] QList<QJsonArray> polygonArcs(const QJsonObject &geometry) const;

    QJsonObject m_objects;
    QList<QList<QPointF>> m_arcs;
    QString m_error;
};
