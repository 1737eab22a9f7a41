#pragma once

#include "wsjtx/WsjtxQso.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace wsjtx {

/** One datagram of the WSJT-X UDP protocol, as WSJT-X and JTDX send it: a QDataStream in
 *  big-endian order holding the magic number, the schema, the message type and the sender's id,
 *  then the fields of that type. Only the two messages that log a QSO are read beyond the id;
 *  every other type (heartbeat, status, decodes, …) is given with its header alone, so callers
 *  can ignore it as the protocol asks. */
struct WsjtxMessage {
    static constexpr quint32 kMagic = 0xadbccbda;
    enum Type : quint32 {
        Heartbeat = 0,
        Status = 1,
        Decode = 2,
        Clear = 3,
        QsoLogged = 5,
        Close = 6,
        WsprDecode = 10,
        LoggedAdif = 12,
    };

    quint32 schema = 0;
    quint32 type = 0;
    QString id;   // the sending program's name ("WSJT-X", "JTDX", or a configuration's)
    WsjtxQso qso; // for QsoLogged
    QString adif; // for LoggedAdif: a small ADIF file with a header and one record
};

/** Reads a datagram; nothing, with the reason in `error`, for bytes that are not a message we can
 *  read: another magic number ("Not a WSJT-X message"), a schema other than 2 or 3, a message
 *  that ends inside a field or before the fields every version sends, a date-time in a time
 *  zone this system does not know. Lengths inside the datagram are checked against the bytes that
 * are left before anything is read. Fields after those we know are ignored, as the protocol asks.
 */
[[nodiscard]] std::optional<WsjtxMessage> readWsjtxMessage(const QByteArray &datagram,
                                                           QString *error = nullptr);

} // namespace wsjtx
