#include "trx/BleLink.h"

#include "trx/BleCentral.h"
#include "trx/BleWriter.h"

#include <QDebug>
#include <QTimer>

namespace trx {

BleLink::BleLink(BleCentral *central, const QString &address, const QString &service,
                 int chunkLimit, QObject *parent)
    : ByteLink(parent), m_central(central), m_writer(new BleWriter(*central, chunkLimit, this)),
      m_connectTimer(new QTimer(this)), m_address(address), m_service(service)
{
    if (!m_central->parent())
        m_central->setParent(this);
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(kConnectTimeoutMs);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        fail(tr("No connection to the Bluetooth device %1 within %2 s.")
                 .arg(m_address)
                 .arg(m_connectTimer->interval() / 1000.0));
    });
    connect(m_central, &BleCentral::serviceReady, this, [this](const auto &characteristics) {
        if (m_state == State::Opening)
            serviceReady(characteristics);
    });
    connect(m_central, &BleCentral::subscribed, this, [this](const QString &characteristic) {
        if (m_state != State::Closed)
            subscribed(characteristic);
    });
    connect(m_central, &BleCentral::valueReceived, this,
            [this](const QString &characteristic, const QByteArray &value) {
                if (m_state != State::Closed)
                    valueReceived(characteristic, value);
            });
    connect(m_central, &BleCentral::disconnected, this, [this](const QString &reason) {
        if (m_state == State::Closed)
            return;
        fail(reason.isEmpty() ? tr("The Bluetooth device %1 disconnected.").arg(m_address)
                              : reason);
    });
}

BleLink::~BleLink() = default;

void BleLink::setConnectTimeout(int ms)
{
    m_connectTimer->setInterval(ms);
}

void BleLink::open()
{
    if (m_state != State::Closed)
        return;
    if (!m_central->available()) {
        QMetaObject::invokeMethod(
            this, [this] { emit closed(unavailableText()); }, Qt::QueuedConnection);
        return;
    }
    m_state = State::Opening;
    m_connectTimer->start();
    m_central->connectTo(m_address, m_service);
}

void BleLink::close()
{
    if (m_state == State::Closed)
        return;
    shutDown();
    QMetaObject::invokeMethod(
        this, [this] { emit closed(QString()); }, Qt::QueuedConnection);
}

QString BleLink::unavailableText() const
{
    return tr("Bluetooth is not available!");
}

void BleLink::becomeOpen()
{
    if (m_state != State::Opening)
        return;
    m_connectTimer->stop();
    m_state = State::Open;
    emit opened();
}

void BleLink::fail(const QString &reason)
{
    if (m_state == State::Closed)
        return;
    qWarning().noquote() << QStringLiteral("Bluetooth link %1: %2").arg(m_address, reason);
    shutDown();
    emit closed(reason);
}

void BleLink::shutDown()
{
    m_state = State::Closed;
    m_connectTimer->stop();
    m_writer->stop();
    reset();
    m_central->disconnectFromDevice();
}

} // namespace trx
