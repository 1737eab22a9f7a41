#pragma once

#include <QString>
#include <QStringList>

/** TQSL's command line as this program uses it: unattended signing and upload of one ADIF file
 *  with a chosen station location, and what its exit codes mean. */
namespace tqsl {

inline constexpr char kPathKey[] = "TqslPath";
inline constexpr char kLocationKey[] = "TqslStationLocation";
inline constexpr char kTimeoutKey[] = "TqslTimeout"; // seconds
inline constexpr char kLastUploadKey[] = "TqslLastUpload";

/** What TQSL's exit code says about the QSOs of the file. */
enum class Verdict {
    Accepted,        // 0: every QSO signed and taken by LoTW
    AcceptedSkipped, // 8, 9: the rest was already at LoTW (duplicates) or outside the date range
    Failed,          // anything else: nothing is known to be at LoTW
};

/** Batch mode: no dialogs (-d, -q), sign and upload (-u), only compliant QSOs (-a compliant,
 *  which skips those TQSL knows as uploaded), then exit (-x). */
[[nodiscard]] QStringList arguments(const QString &location, const QString &file);

[[nodiscard]] Verdict verdict(int exitCode);
/** TQSL's documented meaning of an exit code, in the user's language. */
[[nodiscard]] QString meaning(int exitCode);

/** The program to run: a path as given when it names an executable file, a bare name looked up
 *  on PATH; empty when there is no such program. */
[[nodiscard]] QString findProgram(const QString &setting);

} // namespace tqsl
