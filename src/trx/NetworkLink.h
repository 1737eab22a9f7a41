#pragma once

#include "trx/ByteLink.h"

namespace net {
class AsyncSocket;
struct SocketError;
} // namespace net

namespace trx {

/** A TCP line to a radio: a network serial interface, or Hamlib's rigctld. Each open() uses a
 *  socket of its own, so nothing of an earlier connection can reach a later one. */
class NetworkLink : public ByteLink {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 10000;
    /** Received bytes are handed on in blocks of at most this size. */
    static constexpr int kReadBlockSize = 1024;

    /** `scheme` names the link in description(): "tcp" or "rigctld". */
    NetworkLink(const QString &host, quint16 port, const QString &scheme = QStringLiteral("tcp"),
                QObject *parent = nullptr);
    ~NetworkLink() override;

    /** For tests: how long a connect may take before it fails. */
    void setConnectTimeoutMs(int ms) { m_connectTimeoutMs = ms; }

    void open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_state == State::Open; }
    void write(const QByteArray &bytes) override;
    [[nodiscard]] QString description() const override;

private:
    enum class State { Closed, Opening, Open };

    void socketConnected();
    void socketRead(const QByteArray &data);
    void socketClosed();
    void dropSocket();
    void postClosed(const QString &reason);

    QString m_host;
    quint16 m_port = 0;
    QString m_scheme;
    int m_connectTimeoutMs = kConnectTimeoutMs;
    State m_state = State::Closed;
    net::AsyncSocket *m_socket = nullptr;
    quint64 m_generation = 0; // which open() a queued socket signal belongs to
    QString m_error;
};

} // namespace trx
