#pragma once

#include "geo/LatLon.h"

#include <QObject>

class QGeoPositionInfo;
class QGeoPositionInfoSource;

/** The device's position for the entry form, while the user wants it ("SaveCurrentLocation").
 *  Distance filter and accuracy are the platform's; without a position source nothing arrives. */
class OwnPosition : public QObject {
    Q_OBJECT
public:
    explicit OwnPosition(QObject *parent = nullptr);

    /** Starts or stops the updates; the source is made on first start. */
    void setActive(bool active);
    [[nodiscard]] bool isActive() const { return m_active; }

signals:
    /** A new position; the altitude in metres, 0 when the platform gives none. */
    void positionChanged(geo::LatLon position, double altitude);

private:
    void received(const QGeoPositionInfo &info);

    QGeoPositionInfoSource *m_source = nullptr;
    bool m_active = false;
};
