#pragma once

#include "model/QsoClass.h"
#include "refdata/ModesList.h"

#include <QString>

/** The ADIF file handed to TQSL: the fields TQSL signs (call, date, time, band, mode and submode,
 *  frequency, and the satellite's fields), nothing of the station, which TQSL takes from the
 *  chosen station location. */
namespace lotwuploadfile {

/** One record, ended by "<eor>\n". */
[[nodiscard]] QString record(const QsoClass &qso, const adif::ModesList &modes);

} // namespace lotwuploadfile
