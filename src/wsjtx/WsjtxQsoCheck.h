#pragma once

#include "model/QsoClass.h"

#include <QDateTime>
#include <QString>

namespace wsjtx {

/** Why a QSO read from a WSJT-X or JTDX report cannot be logged as it is, with the checks the
 *  entry form makes: a callsign of letters, digits and "/" (3 to 20 of them), an empty or valid
 *  locator, a frequency on a known band, a start neither before 1930 nor more than a day after
 *  `now`. Empty when the QSO may be stored. */
[[nodiscard]] QString qsoProblem(const QsoClass &qso, const QDateTime &now);

} // namespace wsjtx
