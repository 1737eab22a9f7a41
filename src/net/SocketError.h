#pragma once

#include <QString>

namespace net {

/** Why a socket operation failed: an error domain, a code within it and the text shown to the
 *  user. The socket's own failures use the domains and codes below; system failures use
 *  "NSPOSIXErrorDomain" with the errno text, name resolution "kCFStreamErrorDomainNetDB". */
struct SocketError {
    QString domain;
    int code = 0;
    QString description;

    [[nodiscard]] const QString &localizedDescription() const { return description; }
    [[nodiscard]] bool operator==(const SocketError &) const = default;
};

inline constexpr char kTcpErrorDomain[] = "AsyncSocketErrorDomain";
inline constexpr char kUdpErrorDomain[] = "AsyncUdpSocketErrorDomain";
inline constexpr char kPosixErrorDomain[] = "NSPOSIXErrorDomain";
inline constexpr char kNetDbErrorDomain[] = "kCFStreamErrorDomainNetDB";
/** Socket options that cannot be set. */
inline constexpr char kPosixStreamErrorDomain[] = "kCFStreamErrorDomainPOSIX";
/** Misuse of a socket (code 0), refused without touching it. */
inline constexpr char kTcpMisuseDomain[] = "AsyncSocketException";
inline constexpr char kUdpMisuseDomain[] = "AsyncUdpSocketException";

} // namespace net
