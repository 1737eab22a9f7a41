#pragma once

#include <QCoreApplication>
#include <QString>

/** The texts the entry form shows, each defined once in English; `shown` gives a text in the
 *  user's language. */
namespace entry::texts {

inline constexpr char kContext[] = "EntryTexts";

inline constexpr char kAlertTitle[] = QT_TRANSLATE_NOOP("EntryTexts", "Can't log the QSO:");
inline constexpr char kAlertButton[] = QT_TRANSLATE_NOOP("EntryTexts", "Okay");
inline constexpr char kNoCallsign[] = QT_TRANSLATE_NOOP("EntryTexts", "No Callsign given");
inline constexpr char kFrequencyInvalid[] = QT_TRANSLATE_NOOP("EntryTexts", "Frequency invalid");
inline constexpr char kNoMode[] = QT_TRANSLATE_NOOP("EntryTexts", "No Mode given");
inline constexpr char kLocatorInvalid[] = QT_TRANSLATE_NOOP("EntryTexts", "Locator is invalid");
inline constexpr char kDateInvalid[] = QT_TRANSLATE_NOOP("EntryTexts", "Date or time is invalid");

inline constexpr char kNewQso[] = QT_TRANSLATE_NOOP("EntryTexts", "New QSO");
inline constexpr char kEditQso[] = QT_TRANSLATE_NOOP("EntryTexts", "Edit QSO");
inline constexpr char kSaveQso[] = QT_TRANSLATE_NOOP("EntryTexts", "Save QSO");
inline constexpr char kSelectInDetails[] = QT_TRANSLATE_NOOP("EntryTexts", "Select in Details");

inline constexpr char kOneQso[] = QT_TRANSLATE_NOOP("EntryTexts", "1 QSO");
inline constexpr char kManyQsos[] = QT_TRANSLATE_NOOP("EntryTexts", "%1 QSOs");
inline constexpr char kNoQsos[] = QT_TRANSLATE_NOOP("EntryTexts", "No QSOs");

inline constexpr char kNotStored[] =
    QT_TRANSLATE_NOOP("EntryTexts", "The logbook could not store the QSO.");
inline constexpr char kNotStoredBecause[] =
    QT_TRANSLATE_NOOP("EntryTexts", "The logbook could not store the QSO: %1");

// Service names, the same in every language.
inline constexpr char kQrzTitle[] = "QRZ";
inline constexpr char kHamQthTitle[] = "HamQTH";

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace entry::texts
