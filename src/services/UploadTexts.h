#pragma once

#include <QCoreApplication>
#include <QString>

/** The texts of the QRZ.com logbook and Wavelog uploads and their screens, word for word in
 *  English; "%1" stands for a number or text. `shown` gives a text in the user's language. */
namespace uploadtexts {

inline constexpr char kContext[] = "UploadTexts";

inline constexpr char kUnreadable[] =
    QT_TRANSLATE_NOOP("UploadTexts", "%1's reply could not be read");
inline constexpr char kKeyRefused[] =
    QT_TRANSLATE_NOOP("UploadTexts", "%1 refused the API key: %2");
inline constexpr char kNoKey[] = QT_TRANSLATE_NOOP("UploadTexts", "No API key for %1");
inline constexpr char kNoInstance[] =
    QT_TRANSLATE_NOOP("UploadTexts", "No Wavelog address or station profile id");
inline constexpr char kNothingWaiting[] = QT_TRANSLATE_NOOP("UploadTexts", "No new QSOs found!");
inline constexpr char kUploading[] = QT_TRANSLATE_NOOP("UploadTexts", "Uploading %1 of %2 ...");
inline constexpr char kUploaded[] =
    QT_TRANSLATE_NOOP("UploadTexts", "%1 QSO(s) sent, %2 there already");
inline constexpr char kRefused[] = QT_TRANSLATE_NOOP("UploadTexts", "%1 QSO(s) refused: %2");
inline constexpr char kStopped[] = QT_TRANSLATE_NOOP("UploadTexts", "Upload error: %1");
inline constexpr char kWaiting[] = QT_TRANSLATE_NOOP("UploadTexts", "%1 QSO(s) not uploaded yet");
inline constexpr char kDownloading[] =
    QT_TRANSLATE_NOOP("UploadTexts", "Downloading confirmations ...");
inline constexpr char kDownloaded[] =
    QT_TRANSLATE_NOOP("UploadTexts", "%1 confirmation(s), %2 new, %3 not in the log");
inline constexpr char kDownloadError[] = QT_TRANSLATE_NOOP("UploadTexts", "Download error: %1");
inline constexpr char kCutOff[] =
    QT_TRANSLATE_NOOP("UploadTexts", "the reply was cut off; nothing was changed");
inline constexpr char kKeyNotKept[] = QT_TRANSLATE_NOOP("UploadTexts", "The key could not be kept");
inline constexpr char kNever[] = QT_TRANSLATE_NOOP("UploadTexts", "never");

inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace uploadtexts
