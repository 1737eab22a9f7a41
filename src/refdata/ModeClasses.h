#pragma once

#include "refdata/BandTable.h"

#include <QString>
#include <QStringView>

/** Mode classes (xMode): 1 CW, 2 digital, 3 phone, 0 unknown; guessed from a frequency by the
 *  band table's segments, or taken from a stored mode. */
namespace refdata {

enum ModeClass { UnknownMode = 0, Cw = 1, Digi = 2, Phone = 3 };

/** The mode class the band plan gives a frequency. Only 160m to 10m have a plan here; other
 *  bands, incomplete rows and unusable tables give 0. Column 1 itself is no longer CW, column 2
 *  is already phone. */
[[nodiscard]] int qrg2xMode(const BandTable &table, double kHz);
/** "CW", "Digi", "Phone" or "??" for qrg2xMode. */
[[nodiscard]] QString qrg2Mode(const BandTable &table, double kHz);
/** The name of a mode class, "??" for 0 and anything out of range. */
[[nodiscard]] QString modeName(int xMode);
/** The class of a mode as stored in a QSO (exact, case-sensitive): "CW" is CW, the voice modes
 *  are phone, everything else (empty and lower-case texts too) counts as digital. */
[[nodiscard]] int mode2xMode(QStringView mode);

} // namespace refdata
