#include "geo/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace geo {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// Below this the chord between two points, or between one and the other's antipode, counts as
// none: the formulas would divide by (almost) zero there.
constexpr double kTinyChord = 1e-12;
constexpr int kLinePoints = 250;
constexpr double kLineStep = 0.004;
constexpr double kCrossingLongitude = 170.0;

double wrapLongitude(double lon)
{
    if (lon > 180.0)
        return lon - 360.0;
    if (lon < -180.0)
        return lon + 360.0;
    return lon;
}

struct Vec {
    double x, y, z;
};

Vec unitVector(LatLon p)
{
    const double phi = p.lat * kDegree;
    const double lambda = p.lon * kDegree;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

double chord(Vec a, Vec b)
{
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

bool areAntipodal(LatLon a, LatLon b)
{
    const Vec u = unitVector(a);
    const Vec v = unitVector(b);
    return chord(u, {-v.x, -v.y, -v.z}) < kTinyChord;
}

bool coincide(LatLon a, LatLon b)
{
    return chord(unitVector(a), unitVector(b)) < kTinyChord;
}

/** The point a quarter turn north of p along its meridian (over the pole when needed). */
LatLon quarterTurnNorth(LatLon p)
{
    // Destination after 90° on bearing 0: sin φ = cos φ1, and the meridian continues over the
    // pole when the start lies north of the equator.
    const double lat = 90.0 - std::abs(p.lat);
    const double lon = p.lat > 0.0 ? p.lon + 180.0 : p.lon;
    return {lat, wrapLongitude(lon)};
}

LatLon slerp(LatLon from, LatLon to, double fraction)
{
    const double phi1 = from.lat * kDegree;
    const double phi2 = to.lat * kDegree;
    const double lambda1 = from.lon * kDegree;
    const double lambda2 = to.lon * kDegree;
    const double h =
        std::pow(std::sin((phi2 - phi1) / 2.0), 2) +
        std::cos(phi1) * std::cos(phi2) * std::pow(std::sin((lambda2 - lambda1) / 2), 2);
    const double d = 2.0 * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
    const double a = std::sin((1.0 - fraction) * d) / std::sin(d);
    const double b = std::sin(fraction * d) / std::sin(d);
    const double x =
        a * std::cos(phi1) * std::cos(lambda1) + b * std::cos(phi2) * std::cos(lambda2);
    const double y =
        a * std::cos(phi1) * std::sin(lambda1) + b * std::cos(phi2) * std::sin(lambda2);
    const double z = a * std::sin(phi1) + b * std::sin(phi2);
    return {std::atan2(z, std::hypot(x, y)) / kDegree, std::atan2(y, x) / kDegree};
}

} // namespace

bool isOnGlobe(LatLon position)
{
    return std::isfinite(position.lat) && std::isfinite(position.lon) &&
           std::abs(position.lat) <= 90.0;
}

LatLon antipode(LatLon position)
{
    return {-position.lat, wrapLongitude(position.lon + 180.0)};
}

LatLon midPoint(LatLon from, LatLon to)
{
    if (areAntipodal(from, to))
        return quarterTurnNorth(from);
    const double phi1 = from.lat * kDegree;
    const double phi2 = to.lat * kDegree;
    const double lambda1 = from.lon * kDegree;
    const double deltaLambda = (to.lon - from.lon) * kDegree;
    const double bx = std::cos(phi2) * std::cos(deltaLambda);
    const double by = std::cos(phi2) * std::sin(deltaLambda);
    const double phiM = std::atan2(std::sin(phi1) + std::sin(phi2),
                                   std::sqrt(std::pow(std::cos(phi1) + bx, 2) + by * by));
    const double lambdaM = lambda1 + std::atan2(by, std::cos(phi1) + bx);
    return {phiM / kDegree, wrapLongitude(lambdaM / kDegree)};
}

LatLon intermediatePoint(LatLon from, LatLon to, double fraction)
{
    if (coincide(from, to))
        return from;
    if (areAntipodal(from, to)) {
        // Two quarter turns, each an ordinary great-circle arc.
        const LatLon middle = quarterTurnNorth(from);
        return fraction <= 0.5 ? slerp(from, middle, 2.0 * fraction)
                               : slerp(middle, to, 2.0 * fraction - 1.0);
    }
    return slerp(from, to, fraction);
}

QList<QList<LatLon>> greatCircleLine(LatLon from, LatLon to)
{
    if (!isOnGlobe(from) || !isOnGlobe(to))
        return {};
    QList<LatLon> points;
    points.reserve(kLinePoints);
    points << from;
    for (int i = 1; i < kLinePoints - 1; ++i)
        points << intermediatePoint(from, to, i * kLineStep);
    points << to;

    QList<QList<LatLon>> lines;
    qsizetype start = 0;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const double previous = points.at(i - 1).lon;
        const double next = points.at(i).lon;
        const bool crosses = (previous > kCrossingLongitude && next < -kCrossingLongitude) ||
                             (previous < -kCrossingLongitude && next > kCrossingLongitude);
        if (crosses) {
            lines << points.mid(start, i - start);
            start = i;
        }
    }
    lines << points.mid(start);
    return lines;
}

} // namespace geo
