#include "entry/OwnPosition.h"

#include <QGeoPositionInfoSource>

OwnPosition::OwnPosition(QObject *parent) : QObject(parent)
{}

void OwnPosition::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active && !m_source) {
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
        if (m_source)
            connect(m_source, &QGeoPositionInfoSource::positionUpdated, this,
                    &OwnPosition::received);
    }
    if (!m_source)
        return;
    if (active)
        m_source->startUpdates();
    else
        m_source->stopUpdates();
}

void OwnPosition::received(const QGeoPositionInfo &info)
{
    const QGeoCoordinate c = info.coordinate();
    if (!c.isValid())
        return;
    const double altitude = c.type() == QGeoCoordinate::Coordinate3D ? c.altitude() : 0.0;
    emit positionChanged(geo::LatLon{c.latitude(), c.longitude()}, altitude);
}
