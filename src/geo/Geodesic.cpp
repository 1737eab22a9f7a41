#include "geo/Geodesic.h"

#include "geo/GeodesicSeries.h"
#include "geo/Locator.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

// Karney's solution of the inverse geodesic problem, reduced to what a distance needs (no
// azimuths, areas or geodesic scales), with series to sixth order in the third flattening.
namespace geo {
namespace {

using namespace karney;

using std::numbers::pi;

constexpr int kMaxNewton = 20;
constexpr int kMaxIterations = kMaxNewton + DBL_MANT_DIG + 10;
constexpr double kTol0 = DBL_EPSILON;
constexpr double kTol1 = 200.0 * kTol0;
const double kTol2 = std::sqrt(kTol0);
const double kTolBisect = kTol0 * kTol2;
const double kXThresh = 1000.0 * kTol2;
const double kTiny = std::sqrt(DBL_MIN);
const double kEtol2 =
    0.1 * kTol2 / std::sqrt(std::max(0.001, std::abs(kF)) * std::min(1.0, 1.0 - kF / 2.0) / 2.0);

double sq(double x)
{
    return x * x;
}

void norm2(double &s, double &c)
{
    const double r = std::hypot(s, c);
    s /= r;
    c /= r;
}

/** sin and cos of x degrees, exact at multiples of 90°. */
void sincosd(double x, double &sinx, double &cosx)
{
    int q = 0;
    const double r = std::remquo(x, 90.0, &q) * kDegree;
    const double s = std::sin(r);
    const double c = std::cos(r);
    switch (static_cast<unsigned>(q) & 3U) {
    case 0U:
        sinx = s;
        cosx = c;
        break;
    case 1U:
        sinx = c;
        cosx = -s;
        break;
    case 2U:
        sinx = -s;
        cosx = -c;
        break;
    default:
        sinx = -c;
        cosx = s;
        break;
    }
    cosx += 0.0; // no negative zero
    if (sinx == 0.0)
        sinx = std::copysign(sinx, x);
}

/** Rounds tiny values so that points very close to the equator count as on it. */
double angRound(double x)
{
    constexpr double z = 1.0 / 16.0;
    double y = std::abs(x);
    const double w = z - y;
    y = w > 0 ? z - w : y;
    return std::copysign(y, x);
}

/** One end of the line on the auxiliary sphere: sin/cos of reduced latitude and dn. */
struct Point {
    double sbet = 0.0;
    double cbet = 0.0;
    double dn = 0.0;
};

/** The arc between the two ends on the auxiliary sphere. */
struct Arc {
    double sig12 = 0.0;
    double ssig1 = 0.0;
    double csig1 = 0.0;
    double ssig2 = 0.0;
    double csig2 = 0.0;
};

/** Distance / b and reduced length / b along an arc. */
struct Lengths {
    double s12b = 0.0;
    double m12b = 0.0;
};

Lengths lengths(double eps, const Arc &arc, const Point &p1, const Point &p2)
{
    Series ca{};
    Series cb{};
    const double a1 = 1.0 + a1m1(eps);
    const double a2 = 1.0 + a2m1(eps);
    c1(eps, ca);
    c2(eps, cb);
    const double m0 = a1 - a2;
    const double b1 = sinSeries(arc.ssig2, arc.csig2, ca.data(), kOrder) -
                      sinSeries(arc.ssig1, arc.csig1, ca.data(), kOrder);
    const double b2 = sinSeries(arc.ssig2, arc.csig2, cb.data(), kOrder) -
                      sinSeries(arc.ssig1, arc.csig1, cb.data(), kOrder);
    const double j12 = m0 * arc.sig12 + (a1 * b1 - a2 * b2);
    Lengths result;
    result.s12b = a1 * (arc.sig12 + b1);
    // Parenthesised products cancel exactly for coincident points.
    result.m12b = p2.dn * (arc.csig1 * arc.ssig2) - p1.dn * (arc.ssig1 * arc.csig2) -
                  arc.csig1 * arc.csig2 * j12;
    return result;
}

/** Positive root k of k⁴ + 2k³ − (x² + y² − 1)k² − 2y²k − y² = 0. */
double astroid(double x, double y)
{
    const double p = sq(x);
    const double q = sq(y);
    const double r = (p + q - 1.0) / 6.0;
    if (q == 0.0 && r <= 0.0)
        return 0.0;
    const double s = p * q / 4.0;
    const double r2 = sq(r);
    const double r3 = r * r2;
    const double disc = s * (s + 2.0 * r3);
    double u = r;
    if (disc >= 0.0) {
        double t3 = s + r3;
        t3 += t3 < 0.0 ? -std::sqrt(disc) : std::sqrt(disc);
        const double t = std::cbrt(t3);
        u += t + (t != 0.0 ? r2 / t : 0.0);
    } else {
        const double ang = std::atan2(std::sqrt(-disc), -(s + r3));
        u += 2.0 * r * std::cos(ang / 3.0);
    }
    const double v = std::sqrt(sq(u) + q);
    const double uv = u < 0.0 ? q / (v - u) : u + v;
    const double w = (uv - q) / (2.0 * v);
    return uv / (std::sqrt(uv + sq(w)) + w);
}

/** A starting azimuth for Newton's method; for short lines the finished distance as well. */
struct Start {
    double salp1 = 0.0;
    double calp1 = 0.0;
    double distance = -1.0; // metres, set only when no iteration is needed
};

Start inverseStart(const Point &p1, const Point &p2, double lam12, double slam12, double clam12)
{
    Start start;
    const double sbet12 = p2.sbet * p1.cbet - p2.cbet * p1.sbet;
    const double cbet12 = p2.cbet * p1.cbet + p2.sbet * p1.sbet;
    const double sbet12a = p2.sbet * p1.cbet + p2.cbet * p1.sbet;
    const bool shortline = cbet12 >= 0.0 && sbet12 < 0.5 && p2.cbet * lam12 < 0.5;
    double somg12 = slam12;
    double comg12 = clam12;
    double dnm = 0.0;
    if (shortline) {
        double sbetm2 = sq(p1.sbet + p2.sbet);
        sbetm2 /= sbetm2 + sq(p1.cbet + p2.cbet);
        dnm = std::sqrt(1.0 + kEp2 * sbetm2);
        const double omg12 = lam12 / (kF1 * dnm);
        somg12 = std::sin(omg12);
        comg12 = std::cos(omg12);
    }
    start.salp1 = p2.cbet * somg12;
    start.calp1 = comg12 >= 0.0 ? sbet12 + p2.cbet * p1.sbet * sq(somg12) / (1.0 + comg12)
                                : sbet12a - p2.cbet * p1.sbet * sq(somg12) / (1.0 - comg12);
    const double ssig12 = std::hypot(start.salp1, start.calp1);
    const double csig12 = p1.sbet * p2.sbet + p1.cbet * p2.cbet * comg12;

    if (shortline && ssig12 < kEtol2) {
        start.distance = std::atan2(ssig12, csig12) * kB * dnm;
    } else if (!(csig12 >= 0.0 || ssig12 >= 6.0 * std::abs(kN) * pi * sq(p1.cbet))) {
        // Nearly antipodal: scale to coordinates where the antipode is at the origin.
        const double lam12x = std::atan2(-slam12, -clam12);
        const double lamscale = kF * p1.cbet * a3(epsilonOf(sq(p1.sbet) * kEp2)) * pi;
        const double betscale = lamscale * p1.cbet;
        const double x = lam12x / lamscale;
        const double y = sbet12a / betscale;
        if (y > -kTol1 && x > -1.0 - kXThresh) {
            start.salp1 = std::min(1.0, -x);
            start.calp1 = -std::sqrt(1.0 - sq(start.salp1));
        } else {
            const double k = astroid(x, y);
            const double omg12a = lamscale * (-x * k / (1.0 + k));
            somg12 = std::sin(omg12a);
            comg12 = -std::cos(omg12a);
            start.salp1 = p2.cbet * somg12;
            start.calp1 = sbet12a - p2.cbet * p1.sbet * sq(somg12) / (1.0 - comg12);
        }
    }
    if (!(start.salp1 <= 0.0)) {
        norm2(start.salp1, start.calp1);
    } else {
        start.salp1 = 1.0;
        start.calp1 = 0.0;
    }
    return start;
}

/** λ12(α1) − λ12 for the Newton iteration, with its derivative and the arc it describes. */
struct LambdaResult {
    double value = 0.0;
    double derivative = 0.0;
    double eps = 0.0;
    Arc arc;
};

LambdaResult lambda12(const Point &p1, const Point &p2, double salp1, double calp1, double slam120,
                      double clam120, bool withDerivative)
{
    if (p1.sbet == 0.0 && calp1 == 0.0)
        calp1 = -kTiny; // break the degeneracy of the equatorial line

    const double salp0 = salp1 * p1.cbet;
    const double calp0 = std::hypot(calp1, salp1 * p1.sbet);

    LambdaResult r;
    Arc &arc = r.arc;
    arc.ssig1 = p1.sbet;
    const double somg1 = salp0 * p1.sbet;
    arc.csig1 = calp1 * p1.cbet;
    const double comg1 = arc.csig1;
    norm2(arc.ssig1, arc.csig1);

    // Enforce the symmetry |bet2| = -bet1 exactly; it is singular for the iteration otherwise.
    const double calp2 =
        p2.cbet != p1.cbet || std::abs(p2.sbet) != -p1.sbet
            ? std::sqrt(sq(calp1 * p1.cbet) + (p1.cbet < -p1.sbet
                                                   ? (p2.cbet - p1.cbet) * (p1.cbet + p2.cbet)
                                                   : (p1.sbet - p2.sbet) * (p1.sbet + p2.sbet))) /
                  p2.cbet
            : std::abs(calp1);
    arc.ssig2 = p2.sbet;
    const double somg2 = salp0 * p2.sbet;
    arc.csig2 = calp2 * p2.cbet;
    const double comg2 = arc.csig2;
    norm2(arc.ssig2, arc.csig2);

    arc.sig12 = std::atan2(std::max(0.0, arc.csig1 * arc.ssig2 - arc.ssig1 * arc.csig2) + 0.0,
                           arc.csig1 * arc.csig2 + arc.ssig1 * arc.ssig2);
    const double somg12 = std::max(0.0, comg1 * somg2 - somg1 * comg2) + 0.0;
    const double comg12 = comg1 * comg2 + somg1 * somg2;
    const double eta =
        std::atan2(somg12 * clam120 - comg12 * slam120, comg12 * clam120 + somg12 * slam120);
    r.eps = epsilonOf(sq(calp0) * kEp2);
    Series cl{};
    c3(r.eps, cl);
    const double b312 = sinSeries(arc.ssig2, arc.csig2, cl.data(), kOrder - 1) -
                        sinSeries(arc.ssig1, arc.csig1, cl.data(), kOrder - 1);
    r.value = eta - kF * a3(r.eps) * salp0 * (arc.sig12 + b312);

    if (withDerivative) {
        r.derivative = calp2 == 0.0 ? -2.0 * kF1 * p1.dn / p1.sbet
                                    : lengths(r.eps, arc, p1, p2).m12b * kF1 / (calp2 * p2.cbet);
    }
    return r;
}

/** Newton's method on α1, falling back to bisection of the bracketing range. */
double iterate(const Point &p1, const Point &p2, Start start, double slam12, double clam12)
{
    double salp1 = start.salp1;
    double calp1 = start.calp1;
    double salp1a = kTiny, calp1a = 1.0, salp1b = kTiny, calp1b = -1.0;
    bool tripNewton = false;
    bool tripBisect = false;
    LambdaResult r;
    for (int numit = 0;; ++numit) {
        r = lambda12(p1, p2, salp1, calp1, slam12, clam12, numit < kMaxNewton);
        const double v = r.value;
        if (tripBisect || !(std::abs(v) >= (tripNewton ? 8.0 : 1.0) * kTol0) ||
            numit == kMaxIterations)
            break;
        if (v > 0.0 && (numit > kMaxNewton || calp1 / salp1 > calp1b / salp1b)) {
            salp1b = salp1;
            calp1b = calp1;
        } else if (v < 0.0 && (numit > kMaxNewton || calp1 / salp1 < calp1a / salp1a)) {
            salp1a = salp1;
            calp1a = calp1;
        }
        if (numit < kMaxNewton && r.derivative > 0.0) {
            const double dalp1 = -v / r.derivative;
            if (std::abs(dalp1) < pi) {
                const double sdalp1 = std::sin(dalp1);
                const double cdalp1 = std::cos(dalp1);
                const double nsalp1 = salp1 * cdalp1 + calp1 * sdalp1;
                if (nsalp1 > 0.0) {
                    calp1 = calp1 * cdalp1 - salp1 * sdalp1;
                    salp1 = nsalp1;
                    norm2(salp1, calp1);
                    tripNewton = std::abs(v) <= 16.0 * kTol0;
                    continue;
                }
            }
        }
        salp1 = (salp1a + salp1b) / 2.0;
        calp1 = (calp1a + calp1b) / 2.0;
        norm2(salp1, calp1);
        tripNewton = false;
        tripBisect = std::abs(salp1a - salp1) + (calp1a - calp1) < kTolBisect ||
                     std::abs(salp1 - salp1b) + (calp1 - calp1b) < kTolBisect;
    }
    return lengths(r.eps, r.arc, p1, p2).s12b * kB;
}

Point pointAt(double lat)
{
    Point p;
    sincosd(lat, p.sbet, p.cbet);
    p.sbet *= kF1;
    norm2(p.sbet, p.cbet);
    p.cbet = std::max(kTiny, p.cbet); // a pole keeps a tiny positive cos
    return p;
}

/** Along a meridian; nothing when the meridian is not the shortest line. */
std::optional<double> meridianDistance(const Point &p1, const Point &p2, double clam12)
{
    Arc arc;
    arc.ssig1 = p1.sbet;
    arc.csig1 = clam12 * p1.cbet;
    arc.ssig2 = p2.sbet;
    arc.csig2 = p2.cbet;
    arc.sig12 = std::atan2(std::max(0.0, arc.csig1 * arc.ssig2 - arc.ssig1 * arc.csig2) + 0.0,
                           arc.csig1 * arc.csig2 + arc.ssig1 * arc.ssig2);
    const Lengths l = lengths(kN, arc, p1, p2);
    if (arc.sig12 >= 1.0 && l.m12b < 0.0)
        return std::nullopt; // too close to antipodal on a prolate section
    if (arc.sig12 < 3.0 * kTiny || (arc.sig12 < kTol0 && (l.s12b < 0.0 || l.m12b < 0.0)))
        return 0.0;
    return l.s12b * kB;
}

} // namespace

double geodesicDistance(LatLon from, LatLon to)
{
    if (!(std::abs(from.lat) <= 90.0 && std::abs(to.lat) <= 90.0) || !std::isfinite(from.lon) ||
        !std::isfinite(to.lon))
        return std::nan("");

    // Canonical form: 0 ≤ lon12 ≤ 180, lat1 ≤ 0, lat1 ≤ lat2 ≤ −lat1. Distance is unchanged.
    const double lon12 = std::abs(std::remainder(to.lon - from.lon, 360.0));
    double lat1 = angRound(from.lat);
    double lat2 = angRound(to.lat);
    if (std::abs(lat1) < std::abs(lat2))
        std::swap(lat1, lat2);
    if (!std::signbit(lat1)) {
        lat1 = -lat1;
        lat2 = -lat2;
    }
    double slam12 = 0.0;
    double clam12 = 0.0;
    sincosd(lon12, slam12, clam12);
    const double lam12 = lon12 * kDegree;

    Point p1 = pointAt(lat1);
    Point p2 = pointAt(lat2);
    // Where |bet1| and |bet2| differ only by rounding, make them exactly equal.
    if (p1.cbet < -p1.sbet) {
        if (p2.cbet == p1.cbet)
            p2.sbet = std::copysign(p1.sbet, p2.sbet);
    } else if (std::abs(p2.sbet) == -p1.sbet) {
        p2.cbet = p1.cbet;
    }
    p1.dn = std::sqrt(1.0 + kEp2 * sq(p1.sbet));
    p2.dn = std::sqrt(1.0 + kEp2 * sq(p2.sbet));

    const bool meridian = lat1 == -90.0 || slam12 == 0.0;
    if (meridian) {
        if (const auto d = meridianDistance(p1, p2, clam12))
            return *d;
    }
    if (p1.sbet == 0.0 && 180.0 - lon12 >= kF * 180.0) {
        // Both on the equator and far enough from antipodal that the equator is the shortest line.
        return kA * lam12;
    }
    const Start start = inverseStart(p1, p2, lam12, slam12, clam12);
    if (start.distance >= 0.0)
        return start.distance;
    return iterate(p1, p2, start, slam12, clam12);
}

int getDistanceFrom(const QString &fromLocator, const QString &toLocator)
{
    const double metres = geodesicDistance(getCLLocationFromLocator(fromLocator),
                                           getCLLocationFromLocator(toLocator));
    return std::isnan(metres) ? 0 : static_cast<int>(std::lround(metres / 1000.0));
}

} // namespace geo
