#pragma once

// A cluster node on the loopback interface that plays what a test tells it to and records what
// the client sends.

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class LoopbackNode : public QObject {
public:
    LoopbackNode()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *peer = m_server.nextPendingConnection()) {
                m_peer = peer;
                ++m_connections;
                QObject::connect(peer, &QTcpSocket::readyRead, this,
                                 [this, peer] { m_received += peer->readAll(); });
                if (!m_greeting.isEmpty())
                    peer->write(m_greeting);
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }
    /** Sent to every client as soon as it connects. */
    void setGreeting(const QByteArray &bytes) { m_greeting = bytes; }
    [[nodiscard]] bool waitForClient(int connections = 1)
    {
        return QTest::qWaitFor([&] { return m_connections >= connections; }, 5000);
    }
    /** Sends now and lets the bytes leave before the next piece, so reads split there. */
    void send(const QByteArray &bytes)
    {
        QVERIFY(m_peer);
        m_peer->write(bytes);
        m_peer->flush();
        QTest::qWait(20);
    }
    void close() { m_peer->disconnectFromHost(); }
    /** No more connections: the node is gone. */
    void stopListening() { m_server.close(); }
    void reset() { m_peer->abort(); }
    [[nodiscard]] const QByteArray &received() const { return m_received; }
    [[nodiscard]] int connections() const { return m_connections; }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_peer;
    QByteArray m_greeting;
    QByteArray m_received;
    int m_connections = 0;
};
