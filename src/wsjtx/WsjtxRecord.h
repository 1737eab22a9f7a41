#pragma once

#include "adif/AdifText.h"
#include "wsjtx/WsjtxQso.h"

#include <QList>

namespace wsjtx {

/** The ADIF record a "QSO Logged" message stands for, so it is read by the same reader as the
 *  "Logged ADIF" message that WSJT-X sends with it. The start is the time on, or the time off
 *  when the sender gave no valid time on. A text holding a NUL character is a problem of the
 *  record, as in an ADIF file. */
[[nodiscard]] adif::AdifRecord adifRecord(const WsjtxQso &qso);

/** The records of a "Logged ADIF" text (one as WSJT-X and JTDX send it), each with its mode
 *  taken as the logbook keeps it (see logbookMode). */
[[nodiscard]] QList<adif::AdifRecord> adifRecords(const QString &text);

/** The logbook keeps the mode as the operator knows it ("FT4") while ADIF files name its family
 *  in MODE and the mode itself in SUBMODE ("MFSK" / "FT4"): a SUBMODE, when given, becomes the
 *  record's MODE. */
void useSubmodeAsMode(adif::AdifRecord &record);

} // namespace wsjtx
