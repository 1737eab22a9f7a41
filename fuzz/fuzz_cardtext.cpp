// Any bytes as a QSL card text, as the receiver gets them in a datagram or the scanner in a QR
// code: decoded as UTF-8, checked for the markers and read into a card.

#include "scanner/CardText.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString why;
    const std::optional<scanner::CardText> card = scanner::readCardText(text, &why);
    if (!card) {
        if (why.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    // A card has both calls, a date within the accepted years, and a readable summary.
    if (card->from.isEmpty() || card->to.isEmpty() || !scanner::hasCardMarkers(text))
        std::abort();
    if (card->date && (card->date->year() < scanner::CardText::kFirstYear ||
                       card->date->year() > scanner::CardText::kLastYear))
        std::abort();
    if (card->kHz < 0 || text.size() > scanner::CardText::kMaxLength)
        std::abort();
    (void)scanner::describeCard(*card);
    (void)scanner::printableText(text);
    return 0;
}
