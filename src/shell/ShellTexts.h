#pragma once

/** The words the screens show, each defined once and used exactly as they stand. */
namespace shelltexts {

// Logbook files handed to the application or picked in a file dialog.
inline constexpr char kFileExistsTitle[] = "File exists already";
inline constexpr char kFileExistsMessage[] = "Do you want to overwrite existing file?";
inline constexpr char kOverwriteLogbook[] = "Overwrite logbook";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kOkay[] = "Okay";

// Logbook selection.
inline constexpr char kDeleteAllQsos[] = "Delete all QSOs in log";
inline constexpr char kDeleteLogFile[] = "Delete selected log file";
inline constexpr char kNewLogbookPhone[] = "Enter logbook file name:";
inline constexpr char kNewLogbookTablet[] = "Name of new logbook:";
inline constexpr char kNameGivenBefore[] = "This name was given before!";
inline constexpr char kDeleteQuestion[] = "Do you want to delete this logbook?";
inline constexpr char kDeleteLogbook[] = "Delete logbook";

// Country file.
inline constexpr char kClublogStatus[] = "Clublog xml: %1";
inline constexpr char kClublogError[] = "Club Log xml error: %1";

} // namespace shelltexts
