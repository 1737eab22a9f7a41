#pragma once

#include "model/QsoClass.h"

#include <QSet>
#include <QString>

#include <optional>

class AppDelegate;
class Args;

namespace cli {

/** The option names of "qso add". */
[[nodiscard]] const QSet<QString> &newQsoOptions();

/** Builds the QSO "qso add" stores from its options with the entry form's record builder:
 *  upper-case call and mode, the band from the frequency when none is given, RST defaults by mode,
 *  the entity of the call at the QSO's date, the time from the application clock when none is
 *  given. Nothing, with the reason in error, when an
 *  option is missing or not usable. */
[[nodiscard]] std::optional<QsoClass> newQsoFromArgs(AppDelegate &app, const Args &args,
                                                     QString *error);

} // namespace cli
