// Any bytes as what an Elecraft radio sends the front panel while its terminal decodes or sends,
// cut into reads by the first byte: decoded text grows by at most what each "TB" announced and
// only inside its own read, keyer commands carry one or two printable characters and never a ";",
// the terminal and the kept tail stay capped, frequencies fit their digits.

#include "trx/ElecraftReplies.h"
#include "trx/ElecraftTerminal.h"
#include "trx/ReplyFramer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void checkKeyer(const trx::Commands &commands)
{
    for (const trx::Command &command : commands) {
        if (command.bytes == "RX;")
            continue;
        const QByteArray &bytes = command.bytes;
        if (!bytes.startsWith("KY ") || !bytes.endsWith(';') || bytes.size() < 5 ||
            bytes.size() > 6)
            std::abort();
        for (qsizetype i = 3; i < bytes.size() - 1; ++i)
            if (bytes[i] == ';' || quint8(bytes[i]) < 0x20 || quint8(bytes[i]) >= 0x7F)
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    trx::ReplyFramer framer;
    trx::ElecraftReplies replies;
    trx::ElecraftTerminal terminal;
    const std::size_t readSize = 1 + data[0] % 64;
    const bool upperCase = data[1] & 1;
    if (data[1] & 2) {
        // The text to send comes from the input too: typed text may hold anything.
        terminal.appendMacro(QString::fromLatin1(reinterpret_cast<const char *>(data + 2),
                                                 qsizetype(std::min<std::size_t>(size - 2, 40))));
        terminal.transmit();
    }
    for (std::size_t at = 2; at < size; at += readSize) {
        const auto bytes = QByteArray(reinterpret_cast<const char *>(data + at),
                                      qsizetype(std::min(readSize, size - at)));
        terminal.beginBlock();
        qsizetype allowed = 0; // decoded characters the "TB" replies of this read announced
        const qsizetype before = terminal.plainText().size();
        for (const QByteArray &reply : framer.push(bytes)) {
            if (terminal.takeContinuation(reply))
                continue;
            if (reply.startsWith("TB")) {
                // The count has two digits; an echo, a line to the terminal and the ";" pieces
                // of its text come on top.
                allowed += 99 + 20;
                checkKeyer(terminal.takeTb(reply, upperCase));
            } else {
                replies.take(reply);
            }
        }
        if (framer.pendingBytes() > trx::ReplyFramer::kMaxTail)
            std::abort();
        const qsizetype after = terminal.plainText().size();
        if (after > trx::ElecraftTerminal::kMaxOutput ||
            (after < trx::ElecraftTerminal::kMaxOutput && after - before > allowed))
            std::abort();
        const trx::ElecraftStatus &status = replies.status();
        for (const double kHz : {status.vfoAkHz, status.vfoBkHz})
            if (!std::isfinite(kHz) || kHz < 0 || kHz > 99999999.999)
                std::abort();
    }
    return 0;
}
