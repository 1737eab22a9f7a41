#pragma once

#include "net/SocketError.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace net {

/** A TCP client driven by the owner's event loop. Callers queue reads and writes, each with a
 *  timeout in seconds (negative: none) and a tag of their choosing; completion and failure come
 *  back as signals on the owner's thread, in the order of the queues. Host names resolve without
 *  blocking. Every failure is reported as `willDisconnectWithError` followed by `didDisconnect`;
 *  misuse is refused with a result, never an exception.
 *
 *  Error texts (domain "AsyncSocketErrorDomain"): -1 "General CFSocket error", 1 "Connection
 *  canceled", 2 "Attempt to connect to host timed out", 3 "Read operation reached set maximum
 *  length", 4 "Read operation timed out", 5 "Write operation timed out". */
class AsyncSocket : public QObject {
    Q_OBJECT
public:
    enum Code {
        CFSocketError = -1,
        CanceledError = 1,
        ConnectTimeoutError = 2,
        ReadMaxedOutError = 3,
        ReadTimeoutError = 4,
        WriteTimeoutError = 5,
    };
    /** One read hands over at most this much, so a steady feed still completes reads. */
    static constexpr qsizetype kMaxReadChunk = 64 * 1024;

    explicit AsyncSocket(QObject *parent = nullptr);
    ~AsyncSocket() override;

    /** Starts connecting; a timeout in seconds (negative: none) ends the attempt with code 2.
     *  Refused with an error while not idle ("AsyncSocketException": "Attempting to connect
     *  while connected or accepting connections. Disconnect first.") or when the host is empty
     *  ("kCFStreamErrorDomainNetDB"). Idle means right after `disconnect` or a failure, even
     *  while their `didDisconnect` is still on its way. */
    [[nodiscard]] std::optional<SocketError> connectToHost(const QString &host, quint16 port,
                                                           double timeout);
    /** Queues a read of whatever has arrived (at least one byte, at most kMaxReadChunk). Bytes
     *  that arrive while no read is queued wait for the next one. Ignored while idle: each
     *  connection starts with empty queues. */
    void readDataWithTimeout(double timeout, long tag);
    /** Queues a write; empty data, and any write while idle, is ignored. `didWriteData` comes
     *  once the system has taken all of its bytes. */
    void writeData(const QByteArray &data, double timeout, long tag);
    [[nodiscard]] bool isConnected() const;
    /** Closes at once, dropping queued reads and writes; `didDisconnect` still follows (on the
     *  next turn of the event loop) when the socket was not idle. */
    void disconnect();

    [[nodiscard]] static SocketError error(Code code);

signals:
    void didConnectToHost(const QString &host, quint16 port);
    void didReadData(const QByteArray &data, long tag);
    void didWriteData(long tag);
    /** The socket is about to close because of an error. */
    void willDisconnectWithError(const net::SocketError &error);
    /** The socket is closed and idle again (after a disconnect, peer close, time-out or error);
     *  once per connection or attempt, delivered on a later turn of the event loop, so a
     *  receiver may delete the socket or start a new connection. A peer's orderly close is no
     *  error: what it sent last completes the current read, then this follows alone. */
    void didDisconnect();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace net
