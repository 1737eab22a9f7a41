#include "cluster/SpotFilter.h"

#include "app/UserDefaults.h"
#include "refdata/OneDxSpotClass.h"

namespace cluster {
namespace {

const char *const kModeKeys[] = {"ClusterShowCW", "ClusterShowDigi", "ClusterShowPhone"};

} // namespace

SpotFilter::SpotFilter()
{
    // Every band and class until the user hides one; unknown bands never show.
    m_bands.fill(true);
    m_bands[0] = false;
    m_modes.fill(true);
}

SpotFilter SpotFilter::read(const UserDefaults &defaults)
{
    SpotFilter filter;
    // A key never written hides nothing: that is how the switches start out.
    for (int xBand = 1; xBand <= refdata::kBandCount; ++xBand)
        filter.setShowBand(xBand,
                           !defaults.boolean(QStringLiteral("Cluster_Hide_Band_%1").arg(xBand)));
    for (int xMode = 1; xMode <= 3; ++xMode) {
        const QString key = QString::fromLatin1(kModeKeys[xMode - 1]);
        filter.setShowMode(xMode, !defaults.contains(key) || defaults.boolean(key));
    }
    return filter;
}

bool SpotFilter::accepts(const OneDxSpotClass &spot) const
{
    return showsBand(spot.xBand) && showsMode(spot.xMode);
}

bool SpotFilter::showsBand(int xBand) const
{
    return xBand >= 1 && xBand <= refdata::kBandCount && m_bands[std::size_t(xBand)];
}

void SpotFilter::setShowBand(int xBand, bool show)
{
    if (xBand >= 1 && xBand <= refdata::kBandCount)
        m_bands[std::size_t(xBand)] = show;
}

bool SpotFilter::showsMode(int xMode) const
{
    // An unknown class cannot be told to hide.
    return xMode < 1 || xMode > 3 || m_modes[std::size_t(xMode)];
}

void SpotFilter::setShowMode(int xMode, bool show)
{
    if (xMode >= 1 && xMode <= 3)
        m_modes[std::size_t(xMode)] = show;
}

} // namespace cluster
