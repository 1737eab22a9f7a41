#pragma once

#include "formats/Formats.h"

#include <QString>

#include <optional>

struct DataFolder;

/** Setting a device up for the synced logbook: preparing a server, joining a logbook, and
 *  copying a logbook file into it. Blocking; the screens run them off the window's thread. */
namespace syncsetup {

/** Creates the server's schema (or brings it up to date). */
bool initServer(const QString &address, QString *error);

/** Makes this data folder's copy of the named logbook on the server (created there when the user
 *  has none of that name) and remembers the server without its password. A copy of another
 *  logbook is replaced, unless it has changes the server has not seen yet. */
bool join(const DataFolder &folder, const QString &address, const QString &logbook, QString *error);

/** The path of this data folder's copy; nothing before joining. */
[[nodiscard]] std::optional<QString> copyPath(const DataFolder &folder);

/** Copies every QSO and the shareable settings of the logbook file `from` into the copy `to`,
 *  which then pushes them; the DX info texts are worked out anew. Refused when the synced logbook
 *  holds QSOs already: a second copy would double every QSO. Runs on any thread. The number of
 *  QSOs copied, nothing on failure. */
[[nodiscard]] std::optional<int> copyLogbook(const QString &from, const QString &to,
                                             formats::DateStyle style, QString *error);

} // namespace syncsetup
