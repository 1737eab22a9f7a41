// Any bytes as a contest definition file (a user's own, or one passed around by others) or as
// an exchange typed or received for a shipped contest. The first byte chooses. A definition that
// is taken is within its limits; an exchange that is taken has one value per field, each within
// the field's length and free of blanks and control characters.

#include "contest/ContestCatalog.h"
#include "contest/ContestDefinition.h"
#include "contest/Exchange.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkDefinition(const contest::ContestDefinition &def)
{
    if (def.name.isEmpty() || def.exchange.isEmpty() || def.exchange.size() > 64)
        std::abort();
    for (const contest::ExchangeField &field : def.exchange)
        if (field.forms.isEmpty() || field.width < 1 || field.width > 20 || field.maxLength < 1 ||
            field.maxLength > 20)
            std::abort();
}

void checkExchange(const contest::ContestDefinition &def, const contest::Exchange &exchange)
{
    if (exchange.values.size() != def.exchange.size() ||
        exchange.forms.size() != def.exchange.size())
        std::abort();
    for (qsizetype i = 0; i < exchange.values.size(); ++i) {
        const QString &value = exchange.values.at(i);
        if (value.isEmpty() || value.size() > def.exchange.at(i).maxLength)
            std::abort();
        for (const QChar c : value)
            if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const ContestCatalog catalog({});
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QString error;
    if (data[0] % 2 == 0) {
        if (const auto def = contest::parseDefinition(bytes, QStringLiteral("fuzz.json"), &error))
            checkDefinition(*def);
        else if (error.isEmpty())
            std::abort();
        return 0;
    }
    const auto &contests = catalog.contests();
    const contest::ContestDefinition &def = contests.at((data[0] / 2) % contests.size());
    static const QString modes[] = {QStringLiteral("CW"), QStringLiteral("PH")};
    if (const auto exchange =
            contest::parseExchange(def, QString::fromUtf8(bytes), modes[data[0] / 128], &error))
        checkExchange(def, *exchange);
    else if (error.isEmpty())
        std::abort();
    return 0;
}
