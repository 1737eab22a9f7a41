#pragma once

#include <QCoreApplication>
#include <QString>

/** The words of the log list's menus, questions and notices, each defined once in English;
 *  `shown` gives a text in the user's language. */
namespace loglisttexts {

inline constexpr char kContext[] = "LogListTexts";

inline constexpr char kMenuTitle[] = QT_TRANSLATE_NOOP("LogListTexts", "QSO Menu");
inline constexpr char kShowInfo[] = QT_TRANSLATE_NOOP("LogListTexts", "Show Info");
inline constexpr char kShowQso[] = QT_TRANSLATE_NOOP("LogListTexts", "Show QSO");
inline constexpr char kEditQso[] = QT_TRANSLATE_NOOP("LogListTexts", "Edit QSO");
inline constexpr char kDeleteQso[] = QT_TRANSLATE_NOOP("LogListTexts", "Delete QSO");
inline constexpr char kSelectQso[] = QT_TRANSLATE_NOOP("LogListTexts", "Select QSO");
inline constexpr char kDeselectQso[] = QT_TRANSLATE_NOOP("LogListTexts", "Deselect QSO");
inline constexpr char kSelectAllDown[] =
    QT_TRANSLATE_NOOP("LogListTexts", "Select QSO and all further down");
inline constexpr char kDeselectAll[] = QT_TRANSLATE_NOOP("LogListTexts", "Deselect all QSO");
inline constexpr char kHamQth[] = "HamQTH";
inline constexpr char kQrz[] = "QRZ";

inline constexpr char kDeleteQuestion[] = QT_TRANSLATE_NOOP("LogListTexts", "Delete this QSO?");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("LogListTexts", "Cancel");
inline constexpr char kOkay[] = QT_TRANSLATE_NOOP("LogListTexts", "Okay");

// A preference key, never translated.
inline constexpr char kNoticeKey[] = "Alert_5_0_0";
inline constexpr char kNoticeTitle[] =
    QT_TRANSLATE_NOOP("LogListTexts", "Note the following important changes:");
// The program has no help pages: the notice points to the settings page that explains the
// synced log.
inline constexpr char kNoticeText[] = QT_TRANSLATE_NOOP(
    "LogListTexts",
    "See Settings › Synced log for log synchronisation!\n\nNote the new contextual menus in the "
    "logbook and dx-cluster tables!");
inline constexpr char kDontShowAgain[] = QT_TRANSLATE_NOOP("LogListTexts", "Don't show again");

inline constexpr char kExportTitle[] = "Brindlewick";
inline constexpr char kNotDeleted[] =
    QT_TRANSLATE_NOOP("LogListTexts", "The logbook could not delete the QSO: %1");
inline constexpr char kNotRead[] =
    QT_TRANSLATE_NOOP("LogListTexts", "The logbook could not be read: %1");
inline constexpr char kExportSaved[] =
    QT_TRANSLATE_NOOP("LogListTexts", "Successfully uploaded file %1");
inline constexpr char kExportNotSaved[] =
    QT_TRANSLATE_NOOP("LogListTexts", "Could not save %1: %2");
inline constexpr char kExportNotWritten[] =
    QT_TRANSLATE_NOOP("LogListTexts", "Could not write the export file into %1.");

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace loglisttexts
