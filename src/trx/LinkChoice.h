#pragma once

#include <QString>

#include <memory>
#include <optional>

class QObject;

namespace trx {

class ByteLink;
class CommandSet;

/** How the radio is reached. */
struct LinkChoice {
    enum class Kind { Network, Serial, Rigctld };
    Kind kind = Kind::Network;
    QString host; // Network, Rigctld
    quint16 port = 0;
    QString device; // Serial: "/dev/ttyUSB0"
    int baudRate = 38400;
    bool hardwareFlowControl = false;

    /** Reads "tcp:HOST:PORT", "serial:DEV[:BAUD]" or "rigctld:HOST[:PORT]" (port 4532). */
    [[nodiscard]] static std::optional<LinkChoice> parse(const QString &text);
    [[nodiscard]] QString toString() const;
};

/** The link for a choice. */
[[nodiscard]] std::unique_ptr<ByteLink> makeLink(const LinkChoice &choice,
                                                 QObject *parent = nullptr);
/** Over a rigctld link the radio's own command set is not used: rigctld speaks for the radio
 *  in its network protocol ("f", "m", "F", "M"). */
[[nodiscard]] std::unique_ptr<CommandSet> makeRigctldCommandSet();

} // namespace trx
