#pragma once

#include <array>
#include <numbers>

/** The WGS-84 constants and the series in the third flattening n and in eps (to sixth order)
 *  of Karney's geodesic solution. c[0] of a Series is unused. */
namespace geo::karney {

inline constexpr double kA = 6378137.0;           // WGS-84 equatorial radius, metres
inline constexpr double kF = 1.0 / 298.257223563; // WGS-84 flattening
inline constexpr double kF1 = 1.0 - kF;
inline constexpr double kE2 = kF * (2.0 - kF);
inline constexpr double kEp2 = kE2 / (kF1 * kF1);
inline constexpr double kN = kF / (2.0 - kF);
inline constexpr double kB = kA * kF1;
inline constexpr double kDegree = std::numbers::pi / 180.0;

inline constexpr int kOrder = 6;
using Series = std::array<double, kOrder + 1>;

/** eps of a geodesic from k² = e′² cos² α0. */
[[nodiscard]] double epsilonOf(double k2);
/** Σ c[l]·sin(2lx) for l = 1…n by Clenshaw summation. */
[[nodiscard]] double sinSeries(double sinx, double cosx, const double *c, int n);
/** A1 − 1 and C1[1…6] (distance), A2 − 1 and C2[1…6] (reduced length). */
[[nodiscard]] double a1m1(double eps);
void c1(double eps, Series &c);
[[nodiscard]] double a2m1(double eps);
void c2(double eps, Series &c);
/** A3 and C3[1…5] (longitude), for the WGS-84 n. */
[[nodiscard]] double a3(double eps);
void c3(double eps, Series &c);

} // namespace geo::karney
