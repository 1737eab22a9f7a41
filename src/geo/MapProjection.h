#pragma once

#include "geo/LatLon.h"

#include <QPointF>

namespace geo {

/** The world map's Mercator geometry. It is fixed by a reference bitmap 3284 pixels wide
 *  (longitude 0° at column 1541, the equator at row 1244, 9.0898… pixels per degree, so the left
 *  edge lies near 169.5° W) and scaled to the width of the bitmap in use. */
class MapProjection {
public:
    static constexpr double kReferenceWidth = 3284.0;
    static constexpr double kReferenceCenterFromLeft = 1541.0;
    static constexpr double kReferenceCenterFromTop = 1244.0;
    static constexpr double kReferencePixelsPerDegree = 9.089855072463768;
    /** Longitudes west of this are drawn one turn further east, at the map's right edge. */
    static constexpr double kWrapLongitude = -169.0;

    explicit MapProjection(double imageWidth);

    /** The map's southern edge: the Antarctic coast is on it, the interior mostly is not. */
    static constexpr double kSouthernEdge = -76.0;

    /** Height of a bitmap of this width, from its northern edge (near 79.5° N, fixed by the
     *  equator's row) down to the southern edge. */
    [[nodiscard]] static int heightForWidth(int width);

    [[nodiscard]] double scale() const { return m_scale; }
    [[nodiscard]] double centerFromLeft() const { return m_centerFromLeft; }
    [[nodiscard]] double centerFromTop() const { return m_centerFromTop; }
    [[nodiscard]] double pixelsPerDegree() const { return m_pixelsPerDegree; }
    /** The Mercator radius in pixels. */
    [[nodiscard]] double radius() const { return m_radius; }

    /** Bitmap pixel of a position; longitudes below −169° move to the right edge. */
    [[nodiscard]] QPointF toPixel(LatLon position) const;
    /** Position of a bitmap pixel, longitude in −180…180 where the map overlaps itself. */
    [[nodiscard]] LatLon toLatLon(QPointF pixel) const;
    [[nodiscard]] double latitudeAtRow(double y) const;
    [[nodiscard]] double longitudeAtColumn(double x) const;
    /** Row of a latitude, with no wrap of any kind. */
    [[nodiscard]] double rowOfLatitude(double latitude) const;

private:
    double m_scale;
    double m_centerFromLeft;
    double m_centerFromTop;
    double m_pixelsPerDegree;
    double m_radius;
};

} // namespace geo
