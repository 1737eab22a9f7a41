// Any bytes as the replies of the text radios (Elecraft K2 and K3, Kenwood-style, FTDX-1200 and
// the nine-digit FT-991/FTDX-101 class),
// cut into reads by the first byte: the kept tail stays capped, a frequency read fits its digits,
// a mode text is one of the tables'.

#include "trx/Ftdx1200.h"
#include "trx/TextCat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const trx::RadioState &state, double highestKHz, const QStringList &modes)
{
    if (!std::isfinite(state.kHz) || state.kHz < 0 || state.kHz > highestKHz)
        std::abort();
    if (!modes.contains(state.mode))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QStringList kTextModes{"",       "LSB",   "USB",  "CW",     "FM",
                                        "AM",     "Data",  "CW-R", "Data-R", "DATA A",
                                        "AFSK A", "FSK D", "PSK D"};
    static const QStringList kYaesuModes{"",         "???",  "LSB",      "USB",  "CW",
                                         "FM",       "AM",   "RTTY-LSB", "CW-R", "Data-LSB",
                                         "RTTY-USB", "FM-N", "Data-USB"};
    if (size == 0)
        return 0;
    trx::TextCat k2(trx::TextCat::Model::K2, {});
    trx::TextCat k3(trx::TextCat::Model::K3, {});
    trx::TextCat kenwood(trx::TextCat::Model::Kenwood, {});
    trx::Ftdx1200 ftdx({});
    trx::Ftdx1200 ftdx9({}, 9);
    const std::size_t readSize = 1 + data[0] % 64;
    for (std::size_t at = 1; at < size; at += readSize) {
        const auto bytes = QByteArray(reinterpret_cast<const char *>(data + at),
                                      qsizetype(std::min(readSize, size - at)));
        for (trx::TextCat *text : {&k2, &k3, &kenwood}) {
            text->feed(bytes);
            if (text->pendingBytes() > trx::TextCat::kMaxTail)
                std::abort();
            check(text->state(), 99999999.999, kTextModes); // eleven digits of Hz
        }
        ftdx.feed(bytes);
        if (ftdx.pendingBytes() > trx::Ftdx1200::kMaxTail)
            std::abort();
        check(ftdx.state(), 99999.999, kYaesuModes); // eight digits of Hz
        ftdx9.feed(bytes);
        if (ftdx9.pendingBytes() > trx::Ftdx1200::kMaxTail)
            std::abort();
        check(ftdx9.state(), 75000, kYaesuModes); // within a quarter above its range
    }
    return 0;
}
