#pragma once

#include <QCoreApplication>
#include <QString>

/** The texts of the LoTW upload through TQSL, word for word in English; "%1" stands for a number
 *  or text. `shown` gives a text in the user's language. */
namespace tqsltexts {

inline constexpr char kContext[] = "TqslTexts";

inline constexpr char kPreparing[] = QT_TRANSLATE_NOOP("TqslTexts", "Preparing ADIF file ...");
inline constexpr char kSigning[] =
    QT_TRANSLATE_NOOP("TqslTexts", "TQSL is signing and uploading %1 QSO(s) ...");
inline constexpr char kUpdating[] = QT_TRANSLATE_NOOP("TqslTexts", "Updating log database ...");
inline constexpr char kNothing[] = QT_TRANSLATE_NOOP("TqslTexts", "No QSOs waiting for LoTW");
inline constexpr char kWaiting[] = QT_TRANSLATE_NOOP("TqslTexts", "%1 QSO(s) waiting for LoTW");
inline constexpr char kDryRun[] =
    QT_TRANSLATE_NOOP("TqslTexts", "%1 QSO(s) would be sent to LoTW (nothing sent)");
inline constexpr char kDone[] =
    QT_TRANSLATE_NOOP("TqslTexts", "LoTW accepted the upload: %1 QSO(s) marked as sent");
inline constexpr char kDoneSkipped[] =
    QT_TRANSLATE_NOOP("TqslTexts", "%1 QSO(s) marked as sent; TQSL skipped some: %2");
inline constexpr char kFailed[] = QT_TRANSLATE_NOOP("TqslTexts", "TQSL failed (exit %1): %2");
inline constexpr char kNotInstalled[] = QT_TRANSLATE_NOOP(
    "TqslTexts", "TQSL was not found (\"%1\"). Install it with \"sudo apt install trustedqsl\" "
                 "or set the path to tqsl.");
inline constexpr char kNotStarted[] = QT_TRANSLATE_NOOP("TqslTexts", "TQSL could not start: %1");
inline constexpr char kCrashed[] = QT_TRANSLATE_NOOP("TqslTexts", "TQSL stopped unexpectedly");
inline constexpr char kTimedOut[] =
    QT_TRANSLATE_NOOP("TqslTexts", "TQSL did not finish within %1 seconds and was stopped");
inline constexpr char kNoLocation[] = QT_TRANSLATE_NOOP(
    "TqslTexts", "Choose the TQSL station location to sign with (as named in TQSL)");
inline constexpr char kFileError[] =
    QT_TRANSLATE_NOOP("TqslTexts", "The ADIF file for TQSL could not be written: %1");
inline constexpr char kReadError[] =
    QT_TRANSLATE_NOOP("TqslTexts", "The logbook could not be read: %1");
inline constexpr char kMarkError[] = QT_TRANSLATE_NOOP(
    "TqslTexts", "LoTW has the QSOs, but marking them failed: %1 (%2 of %3 marked)");
inline constexpr char kLogbookGone[] = QT_TRANSLATE_NOOP("TqslTexts", "the logbook is gone");
inline constexpr char kBusy[] = QT_TRANSLATE_NOOP("TqslTexts", "An upload is running");

// What TQSL's exit codes mean, as TQSL documents them for its command line.
inline constexpr char kExit1[] = QT_TRANSLATE_NOOP("TqslTexts", "cancelled");
inline constexpr char kExit2[] = QT_TRANSLATE_NOOP("TqslTexts", "rejected by LoTW");
inline constexpr char kExit3[] =
    QT_TRANSLATE_NOOP("TqslTexts", "unexpected response from the LoTW server");
inline constexpr char kExit4[] = QT_TRANSLATE_NOOP("TqslTexts", "TQSL error");
inline constexpr char kExit5[] = QT_TRANSLATE_NOOP("TqslTexts", "TQSLlib error");
inline constexpr char kExit6[] = QT_TRANSLATE_NOOP("TqslTexts", "the input file cannot be opened");
inline constexpr char kExit7[] = QT_TRANSLATE_NOOP("TqslTexts", "the output file cannot be opened");
inline constexpr char kExit8[] =
    QT_TRANSLATE_NOOP("TqslTexts", "all QSOs were duplicates or out of the date range");
inline constexpr char kExit9[] =
    QT_TRANSLATE_NOOP("TqslTexts", "some QSOs were duplicates or out of the date range");
inline constexpr char kExit10[] = QT_TRANSLATE_NOOP("TqslTexts", "command syntax error");
inline constexpr char kExit11[] = QT_TRANSLATE_NOOP("TqslTexts", "LoTW connection error");
inline constexpr char kExit12[] = QT_TRANSLATE_NOOP("TqslTexts", "unexpected error");
inline constexpr char kExit13[] = QT_TRANSLATE_NOOP("TqslTexts", "duplicates database error");
inline constexpr char kExitOther[] = QT_TRANSLATE_NOOP("TqslTexts", "unknown exit code");

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace tqsltexts
