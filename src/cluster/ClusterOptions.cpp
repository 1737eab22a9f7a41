#include "cluster/ClusterOptions.h"

#include "app/UserDefaults.h"
#include "cluster/SpotFilter.h"
#include "refdata/Bands.h"

namespace cluster {
namespace {

const QString kAutoLogin = QStringLiteral("ClusterAutoConnect");
const QString kColoredSpots = QStringLiteral("ColoredSpots");
const QString kNewOnesOnly = QStringLiteral("NewOnesOnly");
const QString kModeKeys[] = {QStringLiteral("ClusterShowCW"), QStringLiteral("ClusterShowDigi"),
                             QStringLiteral("ClusterShowPhone")};

QString hideBandKey(int xBand)
{
    return QStringLiteral("Cluster_Hide_Band_%1").arg(xBand);
}

} // namespace

ClusterOptions::ClusterOptions(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(defaults)
{}

bool ClusterOptions::autoLogin() const
{
    return m_defaults.boolean(kAutoLogin);
}

void ClusterOptions::setAutoLogin(bool on)
{
    store(kAutoLogin, on);
}

bool ClusterOptions::coloredSpots() const
{
    return m_defaults.boolean(kColoredSpots);
}

void ClusterOptions::setColoredSpots(bool on)
{
    store(kColoredSpots, on);
}

bool ClusterOptions::newOnesOnly() const
{
    return m_defaults.boolean(kNewOnesOnly);
}

void ClusterOptions::setNewOnesOnly(bool on)
{
    store(kNewOnesOnly, on);
}

QVariantList ClusterOptions::bands() const
{
    const SpotFilter filter = SpotFilter::read(m_defaults);
    QVariantList list;
    for (int xBand = 1; xBand <= refdata::kBandCount; ++xBand)
        list.append(QVariantMap{{QStringLiteral("name"), refdata::bandName(xBand)},
                                {QStringLiteral("shown"), filter.showsBand(xBand)}});
    return list;
}

QVariantList ClusterOptions::modes() const
{
    const SpotFilter filter = SpotFilter::read(m_defaults);
    const char *names[] = {QT_TR_NOOP("CW"), QT_TR_NOOP("Digital"), QT_TR_NOOP("Phone")};
    QVariantList list;
    for (int xMode = 1; xMode <= 3; ++xMode)
        list.append(QVariantMap{{QStringLiteral("name"), tr(names[xMode - 1])},
                                {QStringLiteral("shown"), filter.showsMode(xMode)}});
    return list;
}

void ClusterOptions::setBandShown(int xBand, bool shown)
{
    if (xBand >= 1 && xBand <= refdata::kBandCount)
        store(hideBandKey(xBand), !shown);
}

void ClusterOptions::setModeShown(int xMode, bool shown)
{
    if (xMode >= 1 && xMode <= 3)
        store(kModeKeys[xMode - 1], shown);
}

void ClusterOptions::store(const QString &key, bool value)
{
    m_defaults.setValue(key, value);
    emit optionsChanged();
}

} // namespace cluster
