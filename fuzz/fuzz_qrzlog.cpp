// Any bytes as QRZ.com's logbook reply: the form line of an INSERT and the ADIF page of a FETCH.
// Nothing may crash; a reason stays within its bound, a log id is digits, a page never holds more
// QSOs than whole records, and a page that is not RESULT=OK is never complete.

#include "services/QrzFetch.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qrzlog::Reply reply = qrzlog::parseReply(bytes);
    if (reply.reason.size() > qrzlog::kMaxReason + 1)
        std::abort();
    for (const QChar c : reply.logId)
        if (!c.isDigit())
            std::abort();
    (void)reply.isDuplicate();
    (void)reply.isBadKey();
    const qrzlog::FetchPage page = qrzlog::parseFetch(bytes, 250);
    if (page.qsos.size() > page.recordCount)
        std::abort();
    if (page.isComplete() && page.reply.result != qrzlog::Reply::Result::Ok)
        std::abort();
    for (const QsoClass &qso : page.qsos)
        if (!qso.dateTime.isValid() || qso.callsign.size() < 3)
            std::abort();
    return 0;
}
