#pragma once

#include <QCoreApplication>
#include <QString>

/** The words the screens show, each defined once in English; `shown` gives a text in the user's
 *  language. */
namespace shelltexts {

inline constexpr char kContext[] = "ShellTexts";

// Logbook files handed to the application or picked in a file dialog.
inline constexpr char kFileExistsTitle[] = QT_TRANSLATE_NOOP("ShellTexts", "File exists already");
inline constexpr char kFileExistsMessage[] =
    QT_TRANSLATE_NOOP("ShellTexts", "Do you want to overwrite existing file?");
inline constexpr char kOverwriteLogbook[] = QT_TRANSLATE_NOOP("ShellTexts", "Overwrite logbook");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("ShellTexts", "Cancel");
inline constexpr char kOkay[] = QT_TRANSLATE_NOOP("ShellTexts", "Okay");

// Logbook selection.
inline constexpr char kDeleteAllQsos[] = QT_TRANSLATE_NOOP("ShellTexts", "Delete all QSOs in log");
inline constexpr char kDeleteLogFile[] =
    QT_TRANSLATE_NOOP("ShellTexts", "Delete selected log file");
inline constexpr char kNewLogbookPhone[] =
    QT_TRANSLATE_NOOP("ShellTexts", "Enter logbook file name:");
inline constexpr char kNewLogbookTablet[] = QT_TRANSLATE_NOOP("ShellTexts", "Name of new logbook:");
inline constexpr char kNameGivenBefore[] =
    QT_TRANSLATE_NOOP("ShellTexts", "This name was given before!");
inline constexpr char kDeleteQuestion[] =
    QT_TRANSLATE_NOOP("ShellTexts", "Do you want to delete this logbook?");
inline constexpr char kDeleteSyncedQuestion[] =
    QT_TRANSLATE_NOOP("ShellTexts", "Do you want to delete every QSO of the synced log, on every "
                                    "device that shares it?");
inline constexpr char kDeleteLogbook[] = QT_TRANSLATE_NOOP("ShellTexts", "Delete logbook");

// Country file.
inline constexpr char kClublogStatus[] = QT_TRANSLATE_NOOP("ShellTexts", "Clublog xml: %1");
inline constexpr char kClublogError[] = QT_TRANSLATE_NOOP("ShellTexts", "Club Log xml error: %1");

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace shelltexts
