#pragma once

#include "model/QsoClass.h"
#include "services/QrzReply.h"

#include <QByteArray>
#include <QList>

/** A page of QRZ.com's ACTION=FETCH reply read into QSOs. Pure: bytes in, values out. */
namespace qrzlog {

struct FetchPage {
    Reply reply;
    /** Records that ended with "<eor>", counted whatever they hold. */
    qint64 recordCount = 0;
    /** Every record with a callsign and a valid date and time: callsign, band, mode, date and
     *  time, and in `extraFields` APP_QRZLOG_STATUS and APP_QRZLOG_LOGID as QRZ gives them. */
    QList<QsoClass> qsos;
    /** The highest APP_QRZLOG_LOGID of the page: the next page starts after it. */
    qint64 lastLogId = 0;

    /** Records the page must hold: COUNT (all that match, whatever MAX says) up to MAX. */
    qint64 expected = -1;
    /** A record ran past the end of the reply. */
    bool cut = false;

    /** An answer to read: RESULT=OK and as many whole records as expected. A cut-off reply has
     *  fewer and must not be applied. */
    [[nodiscard]] bool isComplete() const
    {
        return reply.result == Reply::Result::Ok && expected >= 0 && !cut &&
               recordCount == expected;
    }
};

inline constexpr char kStatusField[] = "app_qrzlog_status";
inline constexpr char kLogIdField[] = "app_qrzlog_logid";
/** APP_QRZLOG_STATUS of a confirmed QSO. */
inline constexpr char kConfirmed[] = "C";

/** `max`: the MAX the request asked for. */
[[nodiscard]] FetchPage parseFetch(const QByteArray &body, qint64 max);

} // namespace qrzlog
