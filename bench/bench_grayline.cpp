// Shading the grayline map: one pass over a 1920-pixel-wide bitmap.

#include "geo/GraylineShading.h"
#include "geo/MapProjection.h"
#include "geo/SolarPosition.h"

#include <benchmark/benchmark.h>

#include <QDateTime>

#include <cstdint>
#include <vector>

namespace {

void shadeMap1920(benchmark::State &state)
{
    const int width = 1920;
    const int height = geo::MapProjection::heightForWidth(width);
    const geo::MapProjection projection(width);
    const geo::SolarPosition sun =
        geo::solarPositionAt(QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC));
    const std::vector<std::uint32_t> map(std::size_t(width) * height, 0xff4f86bdu);
    for (auto _ : state) {
        std::vector<std::uint32_t> pixels = map;
        geo::shadeGrayline(pixels.data(), width, height, width, projection, sun);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(shadeMap1920)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
