#include "geo/GeodesicSeries.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

// Each coefficient table holds, per series term, a polynomial's coefficients from the highest
// power down, followed by their common denominator.
namespace geo::karney {
namespace {

double sq(double x)
{
    return x * x;
}

/** Horner evaluation of p[0]·x^order + … + p[order]. */
double polyval(int order, const double *p, double x)
{
    double y = order < 0 ? 0.0 : *p++;
    while (--order >= 0)
        y = y * x + *p++;
    return y;
}

/** Fills c[1…6] from coefficient groups laid out as polynomials in eps² per order. */
void fillSeries(const double *coeff, double eps, Series &c)
{
    const double eps2 = sq(eps);
    double d = eps;
    int o = 0;
    for (int l = 1; l <= kOrder; ++l) {
        const int m = (kOrder - l) / 2;
        c.at(static_cast<std::size_t>(l)) = d * polyval(m, coeff + o, eps2) / coeff[o + m + 1];
        o += m + 2;
        d *= eps;
    }
}

/** Coefficients of A3 and C3 as polynomials in eps, evaluated once for the ellipsoid's n. */
struct ThirdFlatteningSeries {
    std::array<double, kOrder> a3x{};
    std::array<double, 15> c3x{};

    ThirdFlatteningSeries()
    {
        static constexpr double a3[] = {-3, 128, -2, -3, 64, -1, -3, -1, 16,
                                        3,  -1,  -2, 8,  1,  -1, 2,  1,  1};
        int o = 0;
        std::size_t k = 0;
        for (int j = kOrder - 1; j >= 0; --j) {
            const int m = std::min(kOrder - j - 1, j);
            a3x.at(k++) = polyval(m, a3 + o, kN) / a3[o + m + 1];
            o += m + 2;
        }
        static constexpr double c3[] = {3,  128, 2,  5,   128, -1,  3,   3,   64,  -1,  0,  1,
                                        8,  -1,  1,  4,   5,   256, 1,   3,   128, -3,  -2, 3,
                                        64, 1,   -3, 2,   32,  7,   512, -10, 9,   384, 5,  -9,
                                        5,  192, 7,  512, -14, 7,   512, 21,  2560};
        o = 0;
        k = 0;
        for (int l = 1; l < kOrder; ++l) {
            for (int j = kOrder - 1; j >= l; --j) {
                const int m = std::min(kOrder - j - 1, j);
                c3x.at(k++) = polyval(m, c3 + o, kN) / c3[o + m + 1];
                o += m + 2;
            }
        }
    }

    [[nodiscard]] double a3(double eps) const { return polyval(kOrder - 1, a3x.data(), eps); }

    /** c[1…5]. */
    void c3(double eps, Series &c) const
    {
        double mult = 1.0;
        int o = 0;
        for (int l = 1; l < kOrder; ++l) {
            const int m = kOrder - l - 1;
            mult *= eps;
            c.at(static_cast<std::size_t>(l)) = mult * polyval(m, c3x.data() + o, eps);
            o += m + 1;
        }
    }
};

const ThirdFlatteningSeries &thirdFlattening()
{
    static const ThirdFlatteningSeries s;
    return s;
}

} // namespace

double sinSeries(double sinx, double cosx, const double *c, int n)
{
    c += n + 1;
    const double ar = 2.0 * (cosx - sinx) * (cosx + sinx);
    double y0 = (n & 1) ? *--c : 0.0;
    double y1 = 0.0;
    for (n /= 2; n > 0; --n) {
        y1 = ar * y0 - y1 + *--c;
        y0 = ar * y1 - y0 + *--c;
    }
    return 2.0 * sinx * cosx * y0;
}

double a1m1(double eps)
{
    static constexpr double coeff[] = {1, 4, 64, 0, 256};
    const double t = polyval(3, coeff, sq(eps)) / coeff[4];
    return (t + eps) / (1.0 - eps);
}

double a2m1(double eps)
{
    static constexpr double coeff[] = {-11, -28, -192, 0, 256};
    const double t = polyval(3, coeff, sq(eps)) / coeff[4];
    return (t - eps) / (1.0 + eps);
}

void c1(double eps, Series &c)
{
    static constexpr double coeff[] = {-1,  6,   -16, 32, -9,  64, -128, 2048, 9,
                                       -16, 768, 3,   -5, 512, -7, 1280, -7,   2048};
    fillSeries(coeff, eps, c);
}

void c2(double eps, Series &c)
{
    static constexpr double coeff[] = {1,  2,   16, 32, 35,  64, 384,  2048, 15,
                                       80, 768, 7,  35, 512, 63, 1280, 77,   2048};
    fillSeries(coeff, eps, c);
}

double epsilonOf(double k2)
{
    return k2 / (2.0 * (1.0 + std::sqrt(1.0 + k2)) + k2);
}

double a3(double eps)
{
    return thirdFlattening().a3(eps);
}

void c3(double eps, Series &c)
{
    thirdFlattening().c3(eps, c);
}

} // namespace geo::karney
