#include "trx/InterfaceDiscovery.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>

namespace trx {
namespace {

constexpr int kProgressSteps = 60; // every half second over the 30 s

} // namespace

/* A QUdpSocket rather than the project's AsyncUdpSocket: the port is bound shared, so another
 * program on this machine listening for the same broadcasts (the interface's own set-up tool)
 * does not make the search fail. Broadcasts reach every socket that shares the port. */
struct InterfaceDiscovery::Private {
    QUdpSocket *socket = nullptr;
    QTimer endTimer;
    QTimer progressTimer;
    int listenMs = kListenMs;
    int steps = 0;
    quint16 port = 0;
    QStringList hosts;
};

InterfaceDiscovery::InterfaceDiscovery(QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->endTimer.setSingleShot(true);
    connect(&d->endTimer, &QTimer::timeout, this, [this] {
        d->steps = kProgressSteps;
        emit progressChanged();
        stop();
    });
    connect(&d->progressTimer, &QTimer::timeout, this, [this] {
        d->steps = std::min(d->steps + 1, kProgressSteps);
        emit progressChanged();
    });
}

InterfaceDiscovery::~InterfaceDiscovery()
{
    delete d->socket; // no signal of it may reach a half-destroyed listener
}

void InterfaceDiscovery::setListenMs(int ms)
{
    d->listenMs = std::max(ms, 1);
}

void InterfaceDiscovery::start(quint16 port)
{
    if (isRunning())
        return;
    d->port = port;
    d->steps = 0;
    emit progressChanged();
    if (!d->hosts.isEmpty()) {
        d->hosts.clear();
        emit hostsChanged();
    }
    if (port == 0) {
        emit failed(tr("The port 0 is not between 1 and 65535."));
        return;
    }

    // IPv4 only: the interfaces announce themselves by IPv4 broadcast.
    auto *socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress::AnyIPv4, port,
                      QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        const QString reason = socket->errorString();
        delete socket;
        emit failed(reason);
        return;
    }
    d->socket = socket;
    // Queued, so that a receiver of hostsChanged() may stop or delete the search.
    connect(socket, &QUdpSocket::readyRead, this, &InterfaceDiscovery::readDatagrams,
            Qt::QueuedConnection);
    d->endTimer.start(d->listenMs);
    d->progressTimer.start(std::max(d->listenMs / kProgressSteps, 1));
    emit runningChanged();
}

void InterfaceDiscovery::readDatagrams()
{
    while (d->socket && d->socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = d->socket->receiveDatagram(0); // only the sender counts
        if (datagram.senderPort() != d->port)
            continue;
        const QString host = datagram.senderAddress().toString();
        if (host.isEmpty() || d->hosts.contains(host))
            continue;
        d->hosts.append(host);
        const QPointer<InterfaceDiscovery> alive(this);
        emit hostsChanged();
        if (!alive)
            return;
    }
}

void InterfaceDiscovery::stop()
{
    if (!isRunning())
        return;
    d->endTimer.stop();
    d->progressTimer.stop();
    QObject::disconnect(d->socket, nullptr, this, nullptr);
    d->socket->close();
    d->socket->deleteLater();
    d->socket = nullptr;
    emit runningChanged();
}

bool InterfaceDiscovery::isRunning() const
{
    return d->socket != nullptr;
}

QStringList InterfaceDiscovery::hosts() const
{
    return d->hosts;
}

double InterfaceDiscovery::progress() const
{
    return static_cast<double>(d->steps) / kProgressSteps;
}

} // namespace trx
