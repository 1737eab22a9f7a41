#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/** The callsigns a generated logbook draws from: a "super check partial" list such as the
 *  MASTER.SCP of Debian's hamradio-files package (one callsign a line, '#' starts a comment). */
namespace loggen {

/** The callsigns of a list file, upper case, in file order; nothing when the file cannot be read
 *  or holds no callsign (the reason goes to `error`). */
[[nodiscard]] std::optional<QStringList> readCallsignList(const QString &path, QString *error);

/** Where scripts/fetch-debian-data.sh puts MASTER.SCP: below BRINDLEWICK_DATA_CACHE when set,
 *  else below .cache/debian of the source tree. */
[[nodiscard]] QString fetchedMasterScp();

} // namespace loggen
