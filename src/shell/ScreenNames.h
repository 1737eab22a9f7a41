#pragma once

#include "shell/Screen.h"

#include <QString>
#include <QStringView>

#include <optional>

/** The screens' names as `--screenshot`, the screenshot tool and the screens-fit test use them
 *  ("log", "settings-bands", "new-qso"): each screen's picture is saved under its name. */
namespace screens {

/** The name of a screen; empty for one that is only opened from another (EditQso, QsoInfo). */
[[nodiscard]] QString name(Screen screen);
/** The screen of a name; nothing for a name no screen has. */
[[nodiscard]] std::optional<Screen> fromName(QStringView name);

} // namespace screens
