#pragma once

#include "geo/MapProjection.h"
#include "geo/SolarPosition.h"

#include <QtGlobal>

#include <cstdint>

/** Day and night on the world map: each pixel is darkened by the sun's elevation over it. */
namespace geo {

/** What a pixel's colour is multiplied by at this sun elevation (degrees): 1 by day, 0.8 above
 *  −6°, 0.7 above −12°, 0.6 above −18°, 0.4 below. */
[[nodiscard]] double darkeningFactor(double elevation);

/** Darkens a map bitmap in place for the sun's position. The words are 0xAARRGGBB (Qt's ARGB32
 *  and RGB32 layouts); red, green and blue are multiplied and truncated, alpha stays. */
void shadeGrayline(std::uint32_t *pixels, int width, int height, qsizetype wordsPerLine,
                   const MapProjection &projection, const SolarPosition &sun);

} // namespace geo
