#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace safewrite {

/** Writes `data` to a temporary file beside `path`, checks every write, the final flush and
 *  the sync to disk, and only then renames it over `path`. On any failure the old file stays
 *  as it was, the temporary file is removed and `error` (when given) says why. */
bool writeFile(const QString &path, const QByteArray &data, QString *error = nullptr);

/** The same for a file written piece by piece: `write` fills the temporary file and answers why
 *  it failed, or nothing. */
bool writeFileWith(const QString &path,
                   const std::function<std::optional<QString>(QIODevice &file)> &write,
                   QString *error = nullptr);

} // namespace safewrite
