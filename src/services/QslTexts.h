#pragma once

/** The texts of the LoTW and eQSL screens, word for word; "%1" stands for a number or text. */
namespace qsltexts {

// LoTW.
inline constexpr char kConnecting[] = "Connecting ...";
inline constexpr char kConnected[] = "Connected ...";
inline constexpr char kDownloading[] = "Downloading ...";
inline constexpr char kHttpError[] = "HTTP error %1";
inline constexpr char kDownloadError[] = "Error while downloading data";
inline constexpr char kGetting[] = "Getting %1 QSLs ...";
inline constexpr char kProcessing[] = "Processing %1 QSLs ...";
inline constexpr char kLotwDone[] = "%1 QSL(s) rcvd, %2 QSO(s) not in log, %3 QSO(s) corrected";
inline constexpr char kNoNewQsls[] = "No new QSLs!  :-(";
/** A report that ends before its last record: nothing of it is applied. */
inline constexpr char kIncompleteReport[] =
    "The report is incomplete (%1 of %2 QSLs): nothing was changed";
/** A write that failed: the whole run is rolled back. */
inline constexpr char kNotWritten[] = "The logbook could not be written (%1): nothing was changed";
inline constexpr char kNoSyncedLog[] = "QSL downloads need a logbook file";

// eQSL.
inline constexpr char kReady[] = "Ready to downlod";
inline constexpr char kMissingAccount[] = "User name or password missing";
inline constexpr char kRequesting[] = "Requesting ...";
inline constexpr char kNoLogEntries[] = "You don't have new log entries";
inline constexpr char kUnknownError[] = "Unknown Error";
inline constexpr char kError[] = "Error";
inline constexpr char kSearching[] = "Searching in the log ...";
inline constexpr char kQslsRead[] = "%1 QSLs read";
inline constexpr char kNotAnInbox[] = "The inbox file is not complete: nothing was changed";
inline constexpr char kDownloadAlertTitle[] = "eQSL Download Error:";
inline constexpr char kOkay[] = "Okay";
inline constexpr char kSelectedForUpload[] = "%1 selected QSLs for upload";
inline constexpr char kNotUploadedYet[] = "%1 QSLs not uploaded yet";
inline constexpr char kUploading[] = "Uploading ...";
inline constexpr char kFinished[] = "Finished";
inline constexpr char kDone[] = "Done";
inline constexpr char kUploadQuestion[] = "Was the upload successful?";
inline constexpr char kYes[] = "Yes";
inline constexpr char kCancel[] = "Cancel";

} // namespace qsltexts
