#pragma once

#include "model/QsoClass.h"
#include "station/StationProfile.h"

namespace station {

/** Gives a new QSO the profile's own-station ADIF fields (STATION_CALLSIGN, OPERATOR,
 *  MY_GRIDSQUARE, MY_IOTA, MY_POTA_REF, MY_SOTA_REF, MY_WWFF_REF, MY_SIG/MY_SIG_INFO, MY_STATE,
 *  MY_CNTY, MY_CQ_ZONE, MY_ITU_ZONE, MY_RIG, MY_ANTENNA) and its power. A field the QSO carries
 *  already (from WSJT-X, the command line, the form) keeps its value. */
void stampQso(const StationProfile &profile, QsoClass &qso);

} // namespace station
