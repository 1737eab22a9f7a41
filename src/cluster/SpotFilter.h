#pragma once

#include "refdata/Bands.h"

#include <array>

class UserDefaults;
struct OneDxSpotClass;

namespace cluster {

/** Which bands and mode classes the spot list shows: "Cluster_Hide_Band_%i" (negated) for every
 *  band number 1..23, and "ClusterShowCW", "ClusterShowDigi", "ClusterShowPhone". Unknown bands
 *  (0) are never shown; an unknown mode class (0) always passes the mode filter. */
class SpotFilter {
public:
    SpotFilter();
    [[nodiscard]] static SpotFilter read(const UserDefaults &defaults);

    [[nodiscard]] bool accepts(const OneDxSpotClass &spot) const;
    [[nodiscard]] bool showsBand(int xBand) const;
    void setShowBand(int xBand, bool show);
    [[nodiscard]] bool showsMode(int xMode) const;
    void setShowMode(int xMode, bool show);

private:
    std::array<bool, refdata::kBandCount + 1> m_bands{};
    std::array<bool, 4> m_modes{};
};

} // namespace cluster
