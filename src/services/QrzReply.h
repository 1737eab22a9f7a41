#pragma once

#include <QByteArray>
#include <QString>

/** The reply of QRZ.com's logbook API: a form-encoded line "RESULT=OK&LOGID=…&COUNT=1",
 *  "RESULT=FAIL&REASON=…" or "RESULT=AUTH…". Pure: bytes in, values out. */
namespace qrzlog {

struct Reply {
    enum class Result { NotAReply, Ok, Replace, Fail, Auth };
    Result result = Result::NotAReply;
    QString reason;    // REASON, without control characters, at most kMaxReason long
    QString logId;     // LOGID: digits only, else empty
    qint64 count = -1; // COUNT; -1 when absent or not a number
    /** ADIF (FETCH only): the rest of the reply after "ADIF=", entities decoded. */
    QString adif;
    bool hasAdif = false;

    /** The QSO is in the logbook already: QRZ says so as a FAIL whose reason names it. */
    [[nodiscard]] bool isDuplicate() const;
    /** The key was refused (RESULT=AUTH, or a FAIL about the key): no further request helps. */
    [[nodiscard]] bool isBadKey() const;
};

inline constexpr qsizetype kMaxReason = 300;

[[nodiscard]] Reply parseReply(const QByteArray &body);

} // namespace qrzlog
