#pragma once

namespace geo {

/** A position in decimal degrees, north and east positive. */
struct LatLon {
    double lat = 0.0;
    double lon = 0.0;
};

} // namespace geo
