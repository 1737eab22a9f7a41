#include "TopoJson.h"

#include <QHash>
#include <QJsonArray>
#include <QSet>

#include <algorithm>

namespace {

/** Arc i is stored as is; ~i (a negative index) means arc i walked backwards. */
int arcOf(int index)
{
    return index < 0 ? ~index : index;
}

} // namespace

TopoJson::TopoJson(const QJsonObject &topology)
{
    if (topology.value(QStringLiteral("type")).toString() != QLatin1String("Topology")) {
        m_error = QStringLiteral("not a TopoJSON topology");
        return;
    }
    m_objects = topology.value(QStringLiteral("objects")).toObject();
    const QJsonObject transform = topology.value(QStringLiteral("transform")).toObject();
    const QJsonArray scale = transform.value(QStringLiteral("scale")).toArray();
    const QJsonArray translate = transform.value(QStringLiteral("translate")).toArray();
    const bool quantized = scale.size() == 2 && translate.size() == 2;

    for (const QJsonValue &arcValue : topology.value(QStringLiteral("arcs")).toArray()) {
        QList<QPointF> arc;
        double x = 0.0;
        double y = 0.0;
        for (const QJsonValue &positionValue : arcValue.toArray()) {
            const QJsonArray position = positionValue.toArray();
            if (position.size() < 2) {
                m_error = QStringLiteral("arc with a short position");
                return;
            }
            if (quantized) {
                // Quantized arcs are delta-encoded integers.
                x += position.at(0).toDouble();
                y += position.at(1).toDouble();
                arc << QPointF(x * scale.at(0).toDouble() + translate.at(0).toDouble(),
                               y * scale.at(1).toDouble() + translate.at(1).toDouble());
            } else {
                arc << QPointF(position.at(0).toDouble(), position.at(1).toDouble());
            }
        }
        m_arcs << arc;
    }
}

QList<QPointF> TopoJson::ring(const QJsonArray &arcIndexes) const
{
    QList<QPointF> points;
    for (const QJsonValue &value : arcIndexes) {
        const int index = value.toInt();
        const int arc = arcOf(index);
        if (arc < 0 || arc >= m_arcs.size())
            continue;
        QList<QPointF> part = m_arcs.at(arc);
        if (index < 0)
            std::reverse(part.begin(), part.end());
        // Consecutive arcs share their joining point.
        if (!points.isEmpty() && !part.isEmpty())
            part.removeFirst();
        points << part;
    }
    return points;
}

QList<QJsonArray> TopoJson::polygonArcs(const QJsonObject &geometry) const
{
    const QString type = geometry.value(QStringLiteral("type")).toString();
    const QJsonArray arcs = geometry.value(QStringLiteral("arcs")).toArray();
    if (type == QLatin1String("Polygon"))
        return {arcs};
    QList<QJsonArray> result;
    if (type == QLatin1String("MultiPolygon"))
        for (const QJsonValue &polygon : arcs)
            result << polygon.toArray();
    return result;
}

QList<TopoJson::Polygon> TopoJson::polygons(const QString &object) const
{
    QList<Polygon> result;
    const QJsonArray geometries =
        m_objects.value(object).toObject().value(QStringLiteral("geometries")).toArray();
    for (const QJsonValue &geometry : geometries) {
        for (const QJsonArray &rings : polygonArcs(geometry.toObject())) {
            Polygon polygon;
            for (const QJsonValue &ringArcs : rings)
                polygon << ring(ringArcs.toArray());
            result << polygon;
        }
    }
    return result;
}

QList<QList<QPointF>> TopoJson::sharedArcs(const QString &object) const
{
    QHash<int, QSet<int>> owners;
    const QJsonArray geometries =
        m_objects.value(object).toObject().value(QStringLiteral("geometries")).toArray();
    for (int g = 0; g < geometries.size(); ++g)
        for (const QJsonArray &rings : polygonArcs(geometries.at(g).toObject()))
            for (const QJsonValue &ringArcs : rings)
                for (const QJsonValue &index : ringArcs.toArray())
                    owners[arcOf(index.toInt())].insert(g);
    QList<QList<QPointF>> result;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1 && it.key() < m_arcs.size())
            result << m_arcs.at(it.key());
    return result;
}
