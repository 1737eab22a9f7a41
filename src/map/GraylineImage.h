#pragma once

#include "geo/MapProjection.h"

#include <QDateTime>
#include <QImage>

namespace map {

/** The shipped world map (resources/map), as 32-bit pixels; a null image when it is missing. */
[[nodiscard]] QImage worldMap();

/** The map's projection for a bitmap of this width. */
[[nodiscard]] inline geo::MapProjection projectionOf(const QImage &map)
{
    return geo::MapProjection(map.width());
}

/** A copy of the map darkened by the sun's elevation at the moment; pure, for any thread. */
[[nodiscard]] QImage shadedMap(const QImage &map, const QDateTime &moment);

} // namespace map
