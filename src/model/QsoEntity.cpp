#include "model/QsoEntity.h"

#include "model/QsoClass.h"
#include "refdata/DXCCModel.h"
#include "refdata/WpxPrefix.h"

#include <cstdlib>

namespace refdata {

void resolveQsoEntity(DXCCModel &model, QsoClass &qso)
{
    const std::optional<QDateTime> at =
        qso.dateTime.isValid() ? std::optional(qso.dateTime) : std::nullopt;
    const CountryClass country =
        qso.adif != 0 ? model.adifToCountry(std::abs(qso.adif)) : model.getDXCC(qso.callsign, at);
    qso.opIsValid = qso.opIsValid && model.checkIfOperationIsValid(qso.callsign, at);
    qso.adif = std::abs(country.adif);
    qso.dxcc = country.dxcc;
    qso.cnt = country.cnt;
    qso.cq = QString::number(country.cq);
    qso.itu = QString::number(country.itu);
    if (qso.iota.isEmpty())
        qso.iota = country.iota;
    qso.prefix = getPrefix(qso.callsign);
}

} // namespace refdata
