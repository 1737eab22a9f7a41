// Any bytes as an FT-817's line, cut into reads by the first byte; a read whose first byte is odd
// follows a poll. The kept bytes stay below one reply, a frequency read is in the radio's range,
// a mode text is one of the table's.

#include "trx/Ft817.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QStringList kModes{"",   "LSB", "USB", "CW",   "CW-R",
                                    "AM", "WFM", "FM",  "Digi", "PKT"};
    if (size == 0)
        return 0;
    const trx::TuningRange range{100, 470000};
    trx::Ft817 ft817(range);
    const std::size_t readSize = 1 + data[0] % 16;
    for (std::size_t at = 1; at < size; at += readSize) {
        const auto bytes = QByteArray(reinterpret_cast<const char *>(data + at),
                                      qsizetype(std::min(readSize, size - at)));
        if (bytes[0] & 1)
            (void)ft817.poll();
        const bool awaited = ft817.awaitsReply();
        const bool read = ft817.feed(bytes);
        if ((read && !awaited) || ft817.pendingBytes() >= trx::Ft817::kReplySize)
            std::abort();
        const trx::RadioState &state = ft817.state();
        if (state.kHz != 0 && !range.contains(state.kHz))
            std::abort();
        if (!std::isfinite(state.kHz) || !kModes.contains(state.mode))
            std::abort();
    }
    return 0;
}
