#include "net/SystemErrors.h"

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
    const double ms = std::ceil(seconds * 1000);
    return ms >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : static_cast<int>(ms);
}

} // namespace net
