#pragma once

#include <QCoreApplication>
#include <QString>

/** The texts of the LoTW and eQSL screens, word for word in English; "%1" stands for a number
 *  or text. `shown` gives a text in the user's language. */
namespace qsltexts {

inline constexpr char kContext[] = "QslTexts";

// LoTW.
inline constexpr char kConnecting[] = QT_TRANSLATE_NOOP("QslTexts", "Connecting ...");
inline constexpr char kConnected[] = QT_TRANSLATE_NOOP("QslTexts", "Connected ...");
inline constexpr char kDownloading[] = QT_TRANSLATE_NOOP("QslTexts", "Downloading ...");
inline constexpr char kHttpError[] = QT_TRANSLATE_NOOP("QslTexts", "HTTP error %1");
inline constexpr char kDownloadError[] =
    QT_TRANSLATE_NOOP("QslTexts", "Error while downloading data");
inline constexpr char kGetting[] = QT_TRANSLATE_NOOP("QslTexts", "Getting %1 QSLs ...");
inline constexpr char kProcessing[] = QT_TRANSLATE_NOOP("QslTexts", "Processing %1 QSLs ...");
inline constexpr char kLotwDone[] =
    QT_TRANSLATE_NOOP("QslTexts", "%1 QSL(s) rcvd, %2 QSO(s) not in log, %3 QSO(s) corrected");
inline constexpr char kNoNewQsls[] = QT_TRANSLATE_NOOP("QslTexts", "No new QSLs!  :-(");
/** A report that ends before its last record: nothing of it is applied. */
inline constexpr char kIncompleteReport[] =
    QT_TRANSLATE_NOOP("QslTexts", "The report is incomplete (%1 of %2 QSLs): nothing was changed");
/** A write that failed: the whole run is rolled back. */
inline constexpr char kNotWritten[] =
    QT_TRANSLATE_NOOP("QslTexts", "The logbook could not be written (%1): nothing was changed");
inline constexpr char kNoSyncedLog[] =
    QT_TRANSLATE_NOOP("QslTexts", "QSL downloads need a logbook file");

// eQSL (the missing account is LoTW's too).
inline constexpr char kReady[] = QT_TRANSLATE_NOOP("QslTexts", "Ready to downlod");
inline constexpr char kMissingAccount[] =
    QT_TRANSLATE_NOOP("QslTexts", "User name or password missing");
inline constexpr char kRequesting[] = QT_TRANSLATE_NOOP("QslTexts", "Requesting ...");
inline constexpr char kNoLogEntries[] =
    QT_TRANSLATE_NOOP("QslTexts", "You don't have new log entries");
inline constexpr char kUnknownError[] = QT_TRANSLATE_NOOP("QslTexts", "Unknown Error");
inline constexpr char kError[] = QT_TRANSLATE_NOOP("QslTexts", "Error");
inline constexpr char kSearching[] = QT_TRANSLATE_NOOP("QslTexts", "Searching in the log ...");
inline constexpr char kQslsRead[] = QT_TRANSLATE_NOOP("QslTexts", "%1 QSLs read");
inline constexpr char kNotAnInbox[] =
    QT_TRANSLATE_NOOP("QslTexts", "The inbox file is not complete: nothing was changed");
inline constexpr char kDownloadAlertTitle[] = QT_TRANSLATE_NOOP("QslTexts", "eQSL Download Error:");
inline constexpr char kOkay[] = QT_TRANSLATE_NOOP("QslTexts", "Okay");
inline constexpr char kSelectedForUpload[] =
    QT_TRANSLATE_NOOP("QslTexts", "%1 selected QSLs for upload");
inline constexpr char kNotUploadedYet[] = QT_TRANSLATE_NOOP("QslTexts", "%1 QSLs not uploaded yet");
inline constexpr char kUploading[] = QT_TRANSLATE_NOOP("QslTexts", "Uploading ...");
inline constexpr char kFinished[] = QT_TRANSLATE_NOOP("QslTexts", "Finished");
inline constexpr char kDone[] = QT_TRANSLATE_NOOP("QslTexts", "Done");
inline constexpr char kUploadQuestion[] =
    QT_TRANSLATE_NOOP("QslTexts", "Was the upload successful?");
inline constexpr char kYes[] = QT_TRANSLATE_NOOP("QslTexts", "Yes");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("QslTexts", "Cancel");

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace qsltexts
