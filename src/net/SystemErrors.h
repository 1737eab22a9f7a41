#pragma once

#include "net/SocketError.h"

#include <QAbstractSocket>

namespace net {

/** An errno value in "NSPOSIXErrorDomain" with the system's text for it. */
[[nodiscard]] SocketError posixError(int code);
/** A getaddrinfo() result in "kCFStreamErrorDomainNetDB" with the resolver's text for it. */
[[nodiscard]] SocketError netDbError(int code);
/** The closest system error for what a Qt socket reported; `fallback` for the ones without a
 *  system counterpart. */
[[nodiscard]] SocketError fromAbstractSocketError(QAbstractSocket::SocketError error,
                                                  const SocketError &fallback);
/** A seconds value as a timer interval in milliseconds; negative (or not a number) means none. */
[[nodiscard]] int timeoutMilliseconds(double seconds);

} // namespace net
