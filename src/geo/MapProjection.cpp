#include "geo/MapProjection.h"

#include <cmath>
#include <numbers>

namespace geo {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

MapProjection::MapProjection(double imageWidth)
    : m_scale(kReferenceWidth / imageWidth), m_centerFromLeft(kReferenceCenterFromLeft / m_scale),
      m_centerFromTop(kReferenceCenterFromTop / m_scale),
      m_pixelsPerDegree(kReferencePixelsPerDegree / m_scale),
      m_radius(m_pixelsPerDegree * 180.0 / std::numbers::pi)
{}

int MapProjection::heightForWidth(int width)
{
    return int(std::lround(MapProjection(width).rowOfLatitude(kSouthernEdge)));
}

QPointF MapProjection::toPixel(LatLon position) const
{
    const double lon = position.lon < kWrapLongitude ? position.lon + 360.0 : position.lon;
    return {lon * m_pixelsPerDegree + m_centerFromLeft, rowOfLatitude(position.lat)};
}

double MapProjection::rowOfLatitude(double latitude) const
{
    return m_centerFromTop -
           std::log(std::tan(latitude * kDegree / 2.0 + std::numbers::pi / 4.0)) * m_radius;
}

LatLon MapProjection::toLatLon(QPointF pixel) const
{
    return {latitudeAtRow(pixel.y()), longitudeAtColumn(pixel.x())};
}

double MapProjection::latitudeAtRow(double y) const
{
    return (2.0 * std::atan(std::exp((m_centerFromTop - y) / m_radius)) - std::numbers::pi / 2.0) /
           kDegree;
}

double MapProjection::longitudeAtColumn(double x) const
{
    const double lon = (x - m_centerFromLeft) / m_pixelsPerDegree;
    return lon > 180.0 ? lon - 360.0 : lon;
}

} // namespace geo
