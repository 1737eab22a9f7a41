// Any bytes as a CI-V line, cut into reads by the first byte, through the Icom reader: the kept
// tail stays capped, a frequency read is a real one, a mode is one of the table's or "??"; and a
// tuning request made of the same bytes gives well-formed frames or nothing.

#include "trx/IcomCiv.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void checkFrames(const trx::Commands &commands, quint8 address)
{
    for (const trx::Command &command : commands) {
        const QByteArray &bytes = command.bytes;
        if (bytes.size() < 6 || !bytes.startsWith("\xFE\xFE") || !bytes.endsWith('\xFD') ||
            quint8(bytes[2]) != address || quint8(bytes[3]) != trx::IcomCiv::kControllerAddress)
            std::abort();
        // Nothing inside a frame may look like its end or a new preamble.
        if (bytes.mid(2, bytes.size() - 3).contains('\xFD') ||
            bytes.mid(2, bytes.size() - 3).contains('\xFE'))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QStringList kModes{"",   "LSB",     "USB",  "AM",     "CW",      "RTTY", "FM",
                                    "??", "Wide FM", "CW-R", "RTTY-R", "Sync.AM", "PSK",  "PSK-R"};
    if (size == 0)
        return 0;
    constexpr quint8 kAddress = 0xA4;
    trx::IcomCiv civ(kAddress, {30, 470000});
    const std::size_t readSize = 1 + data[0] % 64;
    for (std::size_t at = 1; at < size; at += readSize) {
        const auto bytes = QByteArray(reinterpret_cast<const char *>(data + at),
                                      qsizetype(std::min(readSize, size - at)));
        const bool read = civ.feed(bytes);
        if (civ.pendingBytes() > trx::IcomCiv::kMaxTail)
            std::abort();
        const trx::RadioState &state = civ.state();
        if (!std::isfinite(state.kHz) || state.kHz < 0 || state.kHz > 9999999.999 ||
            (read && state.kHz == 0 && state.mode.isEmpty()))
            std::abort();
        if (!kModes.contains(state.mode))
            std::abort();
    }
    if (size >= 9) {
        double kHz = 0;
        std::memcpy(&kHz, data + 1, sizeof kHz);
        checkFrames(civ.tune({kHz, data[0] % 5}, {data[0] % 6, false}), kAddress);
    }
    return 0;
}
