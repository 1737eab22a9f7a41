#pragma once

#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

class QObject;

namespace trx {

class ByteLink;
class CommandSet;

/** How the radio is reached. */
struct LinkChoice {
    enum class Kind { Network, Serial, Rigctld, Ble, IcomBle };
    Kind kind = Kind::Network;
    QString host; // Network, Rigctld
    quint16 port = 0;
    QString device; // Serial: "/dev/ttyUSB0"
    int baudRate = 38400;
    bool hardwareFlowControl = false;
    QString bluetoothAddress; // Ble, IcomBle: "AA:BB:CC:DD:EE:FF"
    QUuid installationId;     // IcomBle: how this installation names itself to the radio

    /** Reads "tcp:HOST:PORT", "serial:DEV[:BAUD]", "rigctld:HOST[:PORT]" (port 4532),
     *  "ble:ADDRESS" or "icom-ble:ADDRESS". */
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
