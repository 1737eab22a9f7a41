#pragma once

#include "net/SocketError.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <functional>

#include <memory>
#include <optional>

namespace net {

/** A UDP endpoint driven by the owner's event loop: queued sends and receives, each with a
 *  timeout in seconds (negative: none) and a caller's tag, results as signals.
 *
 *  Error texts (domain "AsyncUdpSocketErrorDomain"): -1 "General CFSocket error", 2 "IPv4 is
 *  unavailable due to binding/connecting using IPv6 only", 3 "IPv6 is unavailable due to
 *  binding/connecting using IPv4 only or is not supported on this platform", 4 "Send operation
 *  timed out", 5 "Receive operation timed out". Misuse ("The socket is closed.", "Cannot bind a
 *  socket more than once.") is refused with an error result. */
class AsyncUdpSocket : public QObject {
    Q_OBJECT
public:
    enum Code {
        CFSocketError = -1,
        IPv4UnavailableError = 2,
        IPv6UnavailableError = 3,
        SendTimeoutError = 4,
        ReceiveTimeoutError = 5,
    };
    static constexpr qsizetype kMaxReceiveSize = 9216;

    /** Receives a datagram; answering false drops it and keeps the receive waiting. Without an
     *  acceptor every datagram completes the current receive. */
    using Acceptor =
        std::function<bool(const QByteArray &data, long tag, const QString &host, quint16 port)>;

    explicit AsyncUdpSocket(bool enableIPv4 = true, bool enableIPv6 = true,
                            QObject *parent = nullptr);
    ~AsyncUdpSocket() override;

    [[nodiscard]] std::optional<SocketError> bindToPort(quint16 port);
    [[nodiscard]] std::optional<SocketError> bindToAddress(const QHostAddress &address,
                                                           quint16 port);
    /** SO_BROADCAST on the IPv4 socket; fails with "Unable to enable broadcast message sending"
     *  in "kCFStreamErrorDomainPOSIX". Before binding the choice is kept for the bind. */
    [[nodiscard]] std::optional<SocketError> enableBroadcast(bool on);
    /** Queues one datagram; false (nothing queued) for empty data or host, a closing or closed
     *  socket, or a literal address of a family this socket cannot use. Host names resolve
     *  without blocking; a name that does not resolve to a usable address ends in
     *  `didNotSendData`. An unbound socket binds itself to a free port on the first send. */
    bool sendData(const QByteArray &data, const QString &host, quint16 port, double timeout,
                  long tag);
    void receiveWithTimeout(double timeout, long tag);
    void setAcceptor(Acceptor acceptor);

    /** Closes now, dropping queued sends and receives; `didClose` follows on a later turn of
     *  the event loop. The closeAfter... forms refuse new sends and receives and close once
     *  the named queues are empty. */
    void close();
    void closeAfterSending();
    void closeAfterReceiving();
    void closeAfterSendingAndReceiving();

    [[nodiscard]] QString localHost() const;
    [[nodiscard]] quint16 localPort() const;
    [[nodiscard]] bool isClosed() const;

    [[nodiscard]] static SocketError error(Code code);

signals:
    void didSendData(long tag);
    void didNotSendData(long tag, const net::SocketError &error);
    /** A datagram completed the current receive (at most kMaxReceiveSize bytes). */
    void didReceiveData(const QByteArray &data, long tag, const QString &host, quint16 port);
    void didNotReceiveData(long tag, const net::SocketError &error);
    void didClose();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace net
