#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Database;
}

/** Logbook files in the data folder. */
namespace logbookfiles {

inline constexpr char kDefaultLog[] = "DefaultLog.rlog";
inline constexpr char kEmptyLog[] = "EmptyLog.rlog";
inline constexpr char kSyncedLog[] = "Synced log";
/** This device's copy of the synced logbook, in a hidden folder so that it is not listed twice. */
inline constexpr char kSyncedCopy[] = ".synced/Synced log.rlog";

/** True when the file is a logbook of this family: `prefs` says appname "Morvalen" and a
 *  dbversion from 2 to 4. */
[[nodiscard]] bool isLogbook(const QString &path);
/** Why an open database is not a logbook of this program (its `prefs` lack our appname or a
 *  known dbversion); empty when it is one. */
[[nodiscard]] QString identityProblem(db::Database &database);

/** Adds what this program keeps in every logbook beside the file's own tables (the store of
 *  extra ADIF fields, lookup indexes; resource LogbookAdditions.sql) where it is missing, all
 *  or nothing, inside or outside a transaction. A file that is not a logbook of this program is
 *  left untouched. False when nothing could be added. */
bool addMissingParts(db::Database &database);

/** Every logbook below the folder (subfolders too) as a path relative to it, sorted
 *  case-insensitively in the user's locale. */
[[nodiscard]] QStringList listLogbooks(const QString &folder);

/** Why a name given for a logbook cannot be used, or empty when it can. A logbook name is a file
 *  name in the data folder: folders ("/", "\\"), ".." and names blank after trimming would put
 *  the file elsewhere or nowhere. */
[[nodiscard]] QString logbookNameError(const QString &name);
/** The same in the user's language, for screens; diagnostics and the CLI take the one above. */
[[nodiscard]] QString shownLogbookNameError(const QString &name);

/** True for the `prefs` entries that make a file a logbook (see isLogbook); changing them would
 *  hide the logbook from every list. Any letter case. */
[[nodiscard]] bool identifiesLogbook(const QString &entry);

/** "Field day" → "Field day.rlog"; a name already ending in ".rlog" (any case) is kept. */
[[nodiscard]] QString withLogbookSuffix(const QString &name);

} // namespace logbookfiles
