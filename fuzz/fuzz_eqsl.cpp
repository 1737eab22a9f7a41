// Any bytes as either eQSL reply: the inbox page (link, "no entries", error text) and the inbox
// file. Neither reader may crash; a link never reaches past the page, and every received eQSL
// has a call of two or more characters.

#include "services/EqslInbox.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const eqsl::InboxPage page = eqsl::parseInboxPage(bytes);
    if (page.link.size() > bytes.size() || page.error.size() > bytes.size())
        std::abort();
    if (page.kind == eqsl::InboxPage::Kind::Link && page.link.contains(QLatin1Char('"')))
        std::abort();
    const eqsl::Inbox inbox = eqsl::parseInbox(bytes);
    if (!inbox.isAdif && !inbox.received.isEmpty())
        std::abort();
    for (const QsoClass &qso : inbox.received) {
        if (qso.callsign.size() < 2 ||
            (qso.dateTime.isValid() && qso.dateTime.offsetFromUtc() != 0))
            std::abort();
    }
    return 0;
}
