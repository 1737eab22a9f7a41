#pragma once

#include <QCoreApplication>
#include <QString>

/** The texts of the Club Log upload and its screen, word for word in English; "%1" stands for a
 *  number or text. `shown` gives a text in the user's language. */
namespace clublogtexts {

inline constexpr char kContext[] = "ClublogTexts";

inline constexpr char kPreparing[] = QT_TRANSLATE_NOOP("ClublogTexts", "Preparing ADIF file ...");
inline constexpr char kNoQsos[] = QT_TRANSLATE_NOOP("ClublogTexts", "No QSOs found!");
inline constexpr char kNoNewQsos[] = QT_TRANSLATE_NOOP("ClublogTexts", "No new QSOs found!");
inline constexpr char kUploading[] = QT_TRANSLATE_NOOP("ClublogTexts", "Uploading ADIF file ...");
inline constexpr char kUpdating[] = QT_TRANSLATE_NOOP("ClublogTexts", "Updating log database ...");
inline constexpr char kFinished[] = QT_TRANSLATE_NOOP("ClublogTexts", "Finished: %1");
inline constexpr char kError[] = QT_TRANSLATE_NOOP("ClublogTexts", "Error: %1");
inline constexpr char kUploadError[] = QT_TRANSLATE_NOOP("ClublogTexts", "Upload error: %1");
inline constexpr char kNotUploaded[] =
    QT_TRANSLATE_NOOP("ClublogTexts", "%1 QSO(s) not uploaded yet");
inline constexpr char kPurgeQuestion[] =
    QT_TRANSLATE_NOOP("ClublogTexts", "Your already existing Club Log logbook will be purged:");
inline constexpr char kOverwrite[] = QT_TRANSLATE_NOOP("ClublogTexts", "Overwrite logbook");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("ClublogTexts", "Cancel");
/** The logbook could not be read to the end: a full upload would replace Club Log's logbook with
 *  part of it. */
/** The logbook was closed or replaced while the upload was being prepared. */
inline constexpr char kLogbookGone[] = QT_TRANSLATE_NOOP("ClublogTexts", "the logbook is gone");
inline constexpr char kIncompleteRead[] =
    QT_TRANSLATE_NOOP("ClublogTexts", "the logbook could not be read to its end");

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace clublogtexts
