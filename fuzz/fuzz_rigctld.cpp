// Any bytes as rigctld's replies, cut into reads by the first byte: the reader never crashes, a
// frequency it reads is a real number, and what it shows for the mode stays short.

#include "trx/RigctldCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t readSize = 1 + data[0] % 64;
    trx::RigctldCommands commands;
    for (std::size_t at = 1; at < size; at += readSize) {
        const auto piece = QByteArray(reinterpret_cast<const char *>(data + at),
                                      qsizetype(std::min(readSize, size - at)));
        commands.feed(piece);
        const trx::RadioState &state = commands.state();
        if (!std::isfinite(state.kHz) || state.kHz < 0 ||
            state.mode.size() > trx::RigctldCommands::kMaxLineLength)
            std::abort();
    }
    return 0;
}
