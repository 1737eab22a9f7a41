#include "net/SystemErrors.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <netdb.h>

namespace net {

SocketError posixError(int code)
{
    return {QString::fromLatin1(kPosixErrorDomain), code, QString::fromLocal8Bit(strerror(code))};
}

SocketError netDbError(int code)
{
    return {QString::fromLatin1(kNetDbErrorDomain), code,
            QString::fromLocal8Bit(gai_strerror(code))};
}

SocketError fromAbstractSocketError(QAbstractSocket::SocketError error, const SocketError &fallback)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return posixError(ECONNREFUSED);
    case QAbstractSocket::RemoteHostClosedError:
        return posixError(ECONNRESET);
    case QAbstractSocket::HostNotFoundError:
        return netDbError(EAI_NONAME);
    case QAbstractSocket::SocketAccessError:
        return posixError(EACCES);
    case QAbstractSocket::SocketResourceError:
        return posixError(ENOBUFS);
    case QAbstractSocket::SocketTimeoutError:
        return posixError(ETIMEDOUT);
    case QAbstractSocket::DatagramTooLargeError:
        return posixError(EMSGSIZE);
    case QAbstractSocket::NetworkError:
        return posixError(ENETUNREACH);
    case QAbstractSocket::AddressInUseError:
        return posixError(EADDRINUSE);
    case QAbstractSocket::SocketAddressNotAvailableError:
        return posixError(EADDRNOTAVAIL);
    case QAbstractSocket::UnsupportedSocketOperationError:
        return posixError(EAFNOSUPPORT);
    default:
        return fallback;
    }
}

int timeoutMilliseconds(double seconds)
{
    if (!(seconds >= 0))
        return -1;
    constexpr double kLongest = std::numeric_limits<int>::max();
    const double ms = std::min(std::round(seconds * 1000), kLongest);
    // A positive time-out, however small, never becomes "at once".
    return seconds > 0 ? std::max(1, static_cast<int>(ms)) : 0;
}

} // namespace net
