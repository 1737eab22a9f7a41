#include "awards/Award.h"

#include <array>

namespace awards {
namespace {

QStringList numbers(int last)
{
    QStringList list;
    for (int n = 1; n <= last; ++n)
        list << QString::number(n);
    return list;
}

QStringList noSet()
{
    return {};
}

const std::array<AwardDefinition, kAwardCount> kDefinitions = {{
    {Award::Was, "was", "Worked All States", true, usStates},
    {Award::Waz, "waz", "Worked All Zones (CQ)", true, cqZones},
    {Award::Itu, "itu", "ITU zones", true, ituZones},
    {Award::Wac, "wac", "Worked All Continents", true, continents},
    {Award::Wpx, "wpx", "WPX prefixes", true, noSet},
    {Award::Iota, "iota", "Islands on the Air", false, noSet},
    {Award::Grids, "grids", "Grid fields (VUCC)", true, noSet},
    {Award::Pota, "pota", "Parks on the Air", true, noSet},
    {Award::Sota, "sota", "Summits on the Air", true, noSet},
    {Award::Wwff, "wwff", "World Wide Flora & Fauna", true, noSet},
    {Award::PotaActivated, "pota-activated", "Parks activated", false, noSet},
    {Award::SotaActivated, "sota-activated", "Summits activated", false, noSet},
    {Award::WwffActivated, "wwff-activated", "WWFF areas activated", false, noSet},
}};

} // namespace

const AwardDefinition &definition(Award award)
{
    return kDefinitions[size_t(award)];
}

std::optional<Award> awardNamed(const QString &name)
{
    for (int i = 0; i < kListedCount; ++i)
        if (name.compare(QLatin1String(kDefinitions[size_t(i)].name), Qt::CaseInsensitive) == 0)
            return kDefinitions[size_t(i)].award;
    return std::nullopt;
}

std::optional<Award> activatedSide(Award award)
{
    switch (award) {
    case Award::Pota:
        return Award::PotaActivated;
    case Award::Sota:
        return Award::SotaActivated;
    case Award::Wwff:
        return Award::WwffActivated;
    default:
        return std::nullopt;
    }
}

std::optional<Confirmation> confirmationNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == u"any")
        return Confirmation::Any;
    if (lower == u"paper")
        return Confirmation::Paper;
    if (lower == u"lotw")
        return Confirmation::Lotw;
    if (lower == u"eqsl")
        return Confirmation::Eqsl;
    return std::nullopt;
}

QStringList usStates()
{
    return QStringLiteral("AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO "
                          "MS MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA "
                          "WI WV WY")
        .split(u' ');
}

QStringList cqZones()
{
    return numbers(40);
}

QStringList ituZones()
{
    return numbers(90);
}

QStringList continents()
{
    return {QStringLiteral("AF"), QStringLiteral("AS"), QStringLiteral("EU"),
            QStringLiteral("NA"), QStringLiteral("OC"), QStringLiteral("SA")};
}

std::optional<int> vuccThreshold(const QString &band)
{
    // ARRL's VUCC totals: 100 fields on 6 m and 2 m, 50 on 1.25 m and 70 cm, 25 on 23 cm,
    // 10 on 13 cm, 5 from 9 cm up.
    const QString b = band.toLower();
    if (b == u"6m" || b == u"2m")
        return 100;
    if (b == u"1.25m" || b == u"70cm")
        return 50;
    if (b == u"23cm")
        return 25;
    if (b == u"13cm")
        return 10;
    if (b == u"9cm" || b == u"6cm" || b == u"3cm" || b == u"1.2cm")
        return 5;
    return std::nullopt;
}

} // namespace awards
