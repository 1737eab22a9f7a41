#pragma once

#include <QByteArray>
#include <QString>

/** The reply of a Wavelog or Cloudlog instance to POST /api/qso: JSON with "status" ("created",
 *  "failed", "abort"), a "reason" or "messages". Pure: status and bytes in, a verdict out. */
namespace wavelog {

struct Reply {
    enum class Verdict {
        NotAReply, // no JSON object with a status: an error page, a cut-off reply
        Created,   // the instance took the QSO
        Duplicate, // it has the QSO already
        Refused,   // it did not take this QSO (reason says why)
        BadKey,    // the key or the station profile was refused: no further request helps
    };
    Verdict verdict = Verdict::NotAReply;
    QString reason; // for the user, control characters removed, at most kMaxReason long
};

inline constexpr qsizetype kMaxReason = 300;

[[nodiscard]] Reply parseReply(int httpStatus, const QByteArray &body);

} // namespace wavelog
