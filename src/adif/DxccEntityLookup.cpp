#include "adif/DxccEntityLookup.h"

#include "refdata/WpxPrefix.h"

namespace {

adif::AdifEntity entity(const CountryClass &country)
{
    return {country.adif, country.dxcc, country.cnt, country.cq, country.itu, country.iota};
}

} // namespace

adif::AdifEntity DxccEntityLookup::resolve(const QString &callsign, const QDateTime &at)
{
    return entity(m_dxcc.getDXCC(callsign, at));
}

adif::AdifEntity DxccEntityLookup::byNumber(int adif)
{
    return entity(m_dxcc.adifToCountry(adif));
}

QString DxccEntityLookup::prefix(const QString &callsign)
{
    return refdata::getPrefix(callsign);
}
