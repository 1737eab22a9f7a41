#pragma once

#include <QString>
#include <QStringList>

/** Logbook files in the data folder. */
namespace logbookfiles {

inline constexpr char kDefaultLog[] = "DefaultLog.rlog";
inline constexpr char kEmptyLog[] = "EmptyLog.rlog";
inline constexpr char kSyncedLog[] = "iCloud synced log";

/** True when the file is a logbook of this family: `prefs` says appname "Morvalen" and a
 *  dbversion from 2 to 4. */
[[nodiscard]] bool isLogbook(const QString &path);

/** Every logbook below the folder (subfolders too) as a path relative to it, sorted
 *  case-insensitively in the user's locale. */
[[nodiscard]] QStringList listLogbooks(const QString &folder);

/** "Field day" → "Field day.rlog"; a name already ending in ".rlog" (any case) is kept. */
[[nodiscard]] QString withLogbookSuffix(const QString &name);

} // namespace logbookfiles
