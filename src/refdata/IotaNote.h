#pragma once

#include <QString>

namespace refdata {

/** The IOTA reference written somewhere in the first 50 characters of a note ("iota eu-5" →
 *  "EU-005"); "" when there is none. */
[[nodiscard]] QString getIotaFromNote(const QString &note);

} // namespace refdata
