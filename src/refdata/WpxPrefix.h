#pragma once

#include <QString>

namespace refdata {

/** The WPX prefix of a callsign: letters and digits up to the end of the first digit run
 *  ("DL1ABC" → "DL1"), with a "/d" call area replacing the digits ("W1ABC/4" → "W4") and "0"
 *  added when there is no digit ("RAEM" → "RA0"). */
[[nodiscard]] QString getPrefix(const QString &callsign);

} // namespace refdata
