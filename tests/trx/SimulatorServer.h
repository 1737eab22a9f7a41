#pragma once

#include "RadioSimulator.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <memory>

/** A simulated radio behind a network serial interface on loopback, served from its own thread
 *  so a test may wait for another process (the CLI) while the radio answers. */
class SimulatorServer {
public:
    explicit SimulatorServer(RadioSimulator::Family family, quint8 icomAddress = 0xA4)
        : m_radio(family, icomAddress)
    {
        m_host.moveToThread(&m_thread);
        m_thread.start();
        QSemaphore ready;
        QMetaObject::invokeMethod(
            &m_host, [this, &ready] { listen(ready); }, Qt::QueuedConnection);
        ready.acquire();
    }

    ~SimulatorServer()
    {
        QMetaObject::invokeMethod(
            &m_host, [this] { m_server.reset(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    [[nodiscard]] quint16 port() const { return m_port; }
    [[nodiscard]] double kHz()
    {
        QMutexLocker lock(&m_mutex);
        return m_radio.kHz;
    }
    [[nodiscard]] int mode()
    {
        QMutexLocker lock(&m_mutex);
        return m_radio.mode;
    }

private:
    void listen(QSemaphore &ready)
    {
        m_server = std::make_unique<QTcpServer>();
        m_server->listen(QHostAddress::LocalHost);
        m_port = m_server->serverPort();
        QObject::connect(m_server.get(), &QTcpServer::newConnection, m_server.get(), [this] {
            while (QTcpSocket *peer = m_server->nextPendingConnection())
                serve(peer);
        });
        ready.release();
    }

    void serve(QTcpSocket *peer)
    {
        QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
            QMutexLocker lock(&m_mutex);
            peer->write(m_radio.respond(peer->readAll()));
        });
        // What the knobs held back follows a little later, as on a slow line.
        auto *held = new QTimer(peer);
        QObject::connect(held, &QTimer::timeout, peer, [this, peer] {
            QMutexLocker lock(&m_mutex);
            if (const QByteArray bytes = m_radio.takeHeld(); !bytes.isEmpty())
                peer->write(bytes);
        });
        held->start(20);
    }

    QThread m_thread;
    QObject m_host;
    QMutex m_mutex;
    RadioSimulator m_radio;
    std::unique_ptr<QTcpServer> m_server;
    quint16 m_port = 0;
};
