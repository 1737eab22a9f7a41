#include "geo/GraylineShading.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace geo {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

struct Step {
    double above;  // the step holds while the elevation is above this
    double factor; // otherwise the next one applies
};
// The last step holds for everything at or below −18°.
constexpr std::array<Step, 4> kSteps = {{{-6.0, 0.8}, {-12.0, 0.7}, {-18.0, 0.6}, {-90.0, 0.4}}};

/** Byte products of each darkness step, truncated as the colour channels need them. */
struct ChannelTables {
    std::array<std::array<std::uint32_t, 256>, kSteps.size()> table{};

    ChannelTables()
    {
        for (std::size_t step = 0; step < kSteps.size(); ++step)
            for (std::uint32_t value = 0; value < 256; ++value)
                table[step][value] = std::uint32_t(value * kSteps[step].factor);
    }
};

const ChannelTables &channelTables()
{
    static const ChannelTables tables;
    return tables;
}

std::uint32_t darken(std::uint32_t pixel, const std::array<std::uint32_t, 256> &product)
{
    return (pixel & 0xff000000u) | (product[(pixel >> 16) & 0xffu] << 16) |
           (product[(pixel >> 8) & 0xffu] << 8) | product[pixel & 0xffu];
}

} // namespace

double darkeningFactor(double elevation)
{
    if (!(elevation < 0.0))
        return 1.0;
    for (const Step &step : kSteps)
        if (elevation > step.above)
            return step.factor;
    return kSteps.back().factor;
}

void shadeGrayline(std::uint32_t *pixels, int width, int height, qsizetype wordsPerLine,
                   const MapProjection &projection, const SolarPosition &sun)
{
    if (!pixels || width <= 0 || height <= 0)
        return;
    const auto &tables = channelTables().table;
    // The elevation rises with its sine, so the steps are compared as sines and no pixel needs
    // an arcsine: sin e = a(row) + b(row) · cos(λ + H0)(column).
    std::array<double, kSteps.size()> stepSine{};
    for (std::size_t step = 0; step + 1 < kSteps.size(); ++step)
        stepSine[step] = std::sin(kSteps[step].above * kDegree);

    std::vector<double> columnCos(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        double lon = projection.longitudeAtColumn(x);
        if (lon < -180.0)
            lon += 360.0;
        columnCos[std::size_t(x)] = std::cos((lon + sun.hourAngle0) * kDegree);
    }

    const double sinDelta = std::sin(sun.declination);
    const double cosDelta = std::cos(sun.declination);
    for (int y = 0; y < height; ++y) {
        const double phi = projection.latitudeAtRow(y) * kDegree;
        const double a = std::sin(phi) * sinDelta;
        const double b = std::cos(phi) * cosDelta;
        std::uint32_t *row = pixels + qsizetype(y) * wordsPerLine;
        for (int x = 0; x < width; ++x) {
            const double sine = a + b * columnCos[std::size_t(x)];
            if (!(sine < 0.0))
                continue;
            std::size_t step = 0;
            while (step + 1 < kSteps.size() && !(sine > stepSine[step]))
                ++step;
            row[x] = darken(row[x], tables[step]);
        }
    }
}

} // namespace geo
