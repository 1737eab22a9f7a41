#include "refdata/ZoneRefinements.h"

#include "refdata/CallsignRules.h"

namespace refdata {
namespace {

struct Zones {
    int cq;
    int itu;
    const char *locator;
};

void apply(CountryClass &country, const Zones &zones)
{
    country.cq = zones.cq;
    country.itu = zones.itu;
    country.locator = QLatin1String(zones.locator);
}

int areaOf(const QString &base, int area)
{
    return area == kNoArea ? getCallArea(base) : area;
}

bool oneOf(QStringView letter, const char16_t *letters)
{
    return letter.size() == 1 && QStringView(letters).contains(letter.at(0));
}

bool between(QStringView letter, char16_t first, char16_t last)
{
    return letter.compare(QStringView(&first, 1)) >= 0 &&
           letter.compare(QStringView(&last, 1)) <= 0;
}

} // namespace

void getVEallData(const QString &base, int area, CountryClass &country)
{
    static const struct {
        const char *prefix;
        Zones zones;
    } byPrefix[] = {{"VO1", {5, 9, "GN28RX"}},
                    {"VO2", {2, 9, "FO93PO"}},
                    {"VY0", {1, 4, "EP14FL"}},
                    {"VY1", {1, 2, "CP23SP"}},
                    {"VY2", {5, 9, "FN89NK"}}};
    for (const auto &row : byPrefix) {
        if (base.startsWith(QLatin1String(row.prefix))) {
            apply(country, row.zones);
            return;
        }
    }
    static const Zones byArea[] = {
        {0, 0, ""},       {5, 9, "FN84FO"}, {5, 4, "FN35EL"}, {4, 4, "EO70BK"}, {4, 3, "EO13JL"},
        {5, 3, "DO61RX"}, {4, 2, "DO33HJ"}, {3, 2, "CO81HU"}, {1, 2, "CP74KG"}, {5, 9, "FN65QV"}};
    const int d = areaOf(base, area);
    apply(country, d >= 0 && d <= 9 ? byArea[d] : Zones{0, 0, "EO22QD"});
}

void getWallData(const QString &base, int area, CountryClass &country)
{
    static const Zones byArea[] = {
        {4, 7, "EM08AA"}, {5, 8, "FN65AA"}, {5, 8, "FN20PS"}, {5, 8, "FM19MA"}, {5, 8, "EM85AA"},
        {4, 7, "EM12PO"}, {3, 6, "CM98HF"}, {3, 6, "DM39MA"}, {4, 8, "EN82MA"}, {4, 8, "EN62MA"}};
    const int d = areaOf(base, area);
    apply(country, d >= 0 && d <= 9 ? byArea[d] : Zones{0, 0, "EM12PO"});
}

void getVKallData(const QString &base, int area, CountryClass &country)
{
    const int d = areaOf(base, area);
    country.cq = d == 6 || d == 8 ? 29 : 30;
    switch (d) {
    case 6:
        country.itu = 58;
        country.locator = QStringLiteral("PG02MQ");
        return;
    case 4:
        country.itu = 55;
        country.locator = QStringLiteral("QG26CV");
        return;
    case 8:
        country.itu = 55;
        country.locator = QStringLiteral("PH70AI");
        return;
    default:
        break;
    }
    country.itu = 59;
    static const char *const locators[] = {nullptr,  "QF44LL", "QF28OK", "QF23JP", nullptr,
                                           "PF79OU", nullptr,  "QE37GU", nullptr,  nullptr};
    if (d >= 0 && d <= 9 && locators[d])
        country.locator = QLatin1String(locators[d]);
}

void getUA9allData(const QString &base, int area, CountryClass &country)
{
    const int d = areaOf(base, area);
    const QString s = getFirstSuffix(base);
    country.locator = QStringLiteral("NO15LL");
    if (d == 8) {
        country.cq = 18;
        apply(country, s == u"T" ? Zones{18, 32, "OO22LL"} : Zones{18, 33, "OO62LL"});
        return;
    }
    if (d == 0) {
        country.cq = oneOf(s, u"ABHOP") || between(s, u'S', u'W') ? 18 : s == u"Y" ? 23 : 19;
        const int cq = country.cq;
        if (oneOf(s, u"ABWY") || between(s, u'O', u'T'))
            apply(country, {cq, 32, "OO22LL"});
        else if (oneOf(s, u"CEFLMN"))
            apply(country, {cq, 34, "PN78LL"});
        else if (oneOf(s, u"DJUV"))
            apply(country, {cq, 33, "OO62LL"});
        else if (s == u"H")
            apply(country, {cq, 22, "OP04LL"});
        else if (s == u"I")
            apply(country, {cq, 24, "QP14LL"});
        else if (s == u"K")
            apply(country, {cq, 26, "RP84LL"});
        else if (s == u"X")
            apply(country, {cq, 25, "RP01LL"});
        else if (s == u"Z")
            apply(country, {cq, 35, "QO93LL"});
        return;
    }
    country.cq = oneOf(s, u"HIOPUVYZ") ? 18 : oneOf(s, u"STW") ? 16 : 17;
    const int cq = country.cq;
    if (oneOf(s, u"JK"))
        apply(country, {cq, 21, "MP80LL"});
    else if (oneOf(s, u"OPUVYZ"))
        apply(country, {cq, 31, "NO15LL"});
    else if (s == u"X")
        apply(country, {cq, 20, "LP51LL"});
    else
        apply(country, {cq, 30, "LO84LL"});
}

void getUAallData(const QString &base, int area, CountryClass &country)
{
    const int d = areaOf(base, area);
    const QString s = getFirstSuffix(base);
    const int cq = country.cq;
    if (d == 4) {
        const bool east = oneOf(s, u"HIW") || between(s, u'N', u'R');
        apply(country, east ? Zones{cq, 30, "LO66LL"} : Zones{cq, 29, "KO85LL"});
    } else if (d == 1) {
        if (oneOf(s, u"NOYZ"))
            apply(country, {cq, 19, "KP71LL"});
        else if (s == u"P")
            apply(country, {cq, 20, "LP67LL"});
        else
            apply(country, {cq, 29, "KO85LL"});
    } else if (d == 8 || d == 9) {
        apply(country, {17, s == u"X" ? 20 : 30, "LP67LL"});
    } else {
        apply(country, {cq, 29, "KO85LL"});
    }
}

} // namespace refdata
