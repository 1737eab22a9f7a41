#pragma once

#include <QString>

namespace db {
class Database;
}

/** Opening the two reference databases for one query, with the program's diagnostic line when
 *  that fails. */
namespace refdata {

inline constexpr char kClublogDbName[] = "ClublogDXCC.db";
inline constexpr char kIotaDbName[] = "IOTA.db";

/** Opens ClublogDXCC.db read-only; on failure logs "Failed to open ClublogDXCC.db: %i". */
[[nodiscard]] bool openClDB(db::Database &database, const QString &path);
/** Opens IOTA.db read-only; on failure logs "Failed to open IOTA.db: %i". */
[[nodiscard]] bool openIotaDB(db::Database &database, const QString &path);

} // namespace refdata
