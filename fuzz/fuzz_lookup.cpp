// Any bytes as a QRZ or HamQTH reply: the reader, then the rows and the new-QSO record of both
// services' element sets. Nothing may crash; a refused reply has no elements, no element holds
// more text than the input, the map gets a valid locator or none, and the rows never outnumber the
// elements shown plus "My account:".

#include "geo/Locator.h"
#include "services/LookupReply.h"
#include "services/LookupResult.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const lookup::LookupReply reply = lookup::parseLookupReply(bytes);
    if (!reply.ok && !reply.items.isEmpty())
        std::abort();
    if (reply.items.size() > lookup::kMaxElements)
        std::abort();
    for (auto it = reply.items.cbegin(); it != reply.items.cend(); ++it)
        if (it.value().size() > bytes.size() || it.key().size() > bytes.size())
            std::abort();
    for (const lookup::Service service : {lookup::Service::Qrz, lookup::Service::HamQth}) {
        const lookup::LookupResult result = lookup::resultFrom(service, reply.items);
        if (result.rows.size() > lookup::shownElements(service).size() + 1)
            std::abort();
        const QString locator = lookup::mapLocator(result);
        if (!locator.isEmpty() && !geo::locatorIsValid(locator))
            std::abort();
        const QsoClass qso = lookup::qsoFrom(service, reply.items, QStringLiteral("N0CALL"));
        if (qso.callsign != qso.callsign.toUpper())
            std::abort();
    }
    return 0;
}
