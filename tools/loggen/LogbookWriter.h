#pragma once

#include <QString>

/** Writes generated QSOs into a new logbook file. */
namespace loggen {

class QsoGenerator;

/** Makes `path` from the program's empty logbook template and stores the generator's next
 *  `count` QSOs in it, with exactly the texts a single save stores. All rows go in within one
 *  transaction and the template's indexes are rebuilt afterwards, so 300 000 QSOs take seconds.
 *  An existing file is not touched; on failure `error` says why and no file is left behind. */
[[nodiscard]] bool writeLogbook(const QString &path, QsoGenerator &qsos, qint64 count,
                                QString *error);

} // namespace loggen
