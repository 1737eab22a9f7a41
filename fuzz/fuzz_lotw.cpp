// Any bytes as a LoTW reply: the report reader must never crash, and what it reads must hold
// together (a complete report counts as many records as its header says; every confirmation has
// a call of three or more characters without blanks, upper-case, and a parsed or empty time).

#include "services/LotwReport.h"

#include <QDateTime>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const lotw::Report report = lotw::parseReport(bytes, QDateTime::currentDateTimeUtc());
    if (report.isComplete() && report.recordCount != report.declaredCount)
        std::abort();
    if (report.confirmations.size() > report.recordCount)
        std::abort();
    for (const QsoClass &qso : report.confirmations) {
        if (qso.callsign.size() < 3 || qso.callsign.contains(QLatin1Char(' ')) ||
            qso.callsign != qso.callsign.toUpper())
            std::abort();
        if (qso.dateTime.isValid() && qso.dateTime.offsetFromUtc() != 0)
            std::abort();
    }
    return 0;
}
