#pragma once

#include <QString>

class AppDelegate;
struct DataFolder;

/** Process-wide settings every front end makes before anything formats a date, and the launch
 *  steps of the application. */
namespace startup {

/** Makes UTC the process time zone, so every date without an explicit zone is UTC. */
void useUtcTimeZone();

/** Replaces the data folder's "Modes&Submodes.txt" by the shipped one (or the given file, for
 *  tests), so a new program version brings its modes. */
void refreshModesList(const DataFolder &folder, const QString &shipped = {});

/** The launch sequence after the application object exists (it has registered the shipped
 *  defaults and runs `newLogSelected` on "NewLogSelected"): the modes list is refreshed and
 *  `connectToCluster` cleared. */
void didFinishLaunching(AppDelegate &app);

} // namespace startup
