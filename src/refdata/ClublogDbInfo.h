#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace refdata {

/** Row counts of the tables of a ClublogDXCC.db ("dxcc", "prefixes", "callsigns", "invalid",
 *  "itu"); empty when the file cannot be opened (logged). */
[[nodiscard]] QList<std::pair<QString, qint64>> clublogRowCounts(const QString &path);

} // namespace refdata
