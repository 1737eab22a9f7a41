#pragma once

#include <QString>

class LogModel;
class UserDefaults;
struct DataFolder;

/** Creating, choosing and deleting logbook files in the data folder. */
namespace logbookchoice {

enum class CreateResult { Created, NameTooShort, NameGivenBefore, CopyFailed };

/** Makes a new, empty logbook; ".rlog" is appended unless the name ends with it in any case.
 *  A name of fewer than 2 characters makes nothing. */
CreateResult createLogbook(const DataFolder &folder, const QString &name,
                           QString *fileName = nullptr);

enum class DeleteResult { Deleted, NotFound, LastLogbook, Failed };

/** Removes a logbook file; the last logbook is never removed. When the current logbook goes,
 *  the first remaining one becomes current. */
DeleteResult deleteLogbook(const DataFolder &folder, UserDefaults &defaults, LogModel &log,
                           const QString &name);

} // namespace logbookchoice
