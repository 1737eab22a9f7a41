#pragma once

struct QsoClass;
class DXCCModel;

namespace refdata {

/** Fills a new QSO's entity fields as the entry form does: the entity of its callsign at its
 *  date (or the entity already chosen by number), zones, continent, its IOTA reference unless
 *  one is given, the WPX prefix and whether the operation counts for DXCC (`opIsValid`). */
void resolveQsoEntity(DXCCModel &model, QsoClass &qso);

} // namespace refdata
