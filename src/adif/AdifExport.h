#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

/** Export files: the header and records written for the user to keep or share. */
namespace adif {

/** Writes the text, UTF-8 and atomically, as "yyyy-MM-dd.adif" (today, UTC) in the given
 *  folder, replacing a file of that name. The file's path, or nothing after logging
 *  "Error writing temp file: %@". */
[[nodiscard]] std::optional<QString> writeExportFile(const QString &text, const QString &folder,
                                                     const QDateTime &now);

} // namespace adif
