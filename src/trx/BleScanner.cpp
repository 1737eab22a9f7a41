#include "trx/BleScanner.h"

#include <QTimer>

namespace trx {

BleScanner::BleScanner(BleCentral *central, QObject *parent)
    : QObject(parent), m_central(central), m_timer(new QTimer(this))
{
    if (!m_central->parent())
        m_central->setParent(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &BleScanner::stop);
    connect(m_central, &BleCentral::deviceFound, this, &BleScanner::deviceFound);
}

bool BleScanner::start(const QString &serviceUuid, int ms)
{
    if (scanning())
        return true;
    if (!m_central->available())
        return false;
    m_devices.clear();
    emit devicesChanged();
    m_timer->start(ms);
    m_central->startScan(serviceUuid);
    return true;
}

void BleScanner::stop()
{
    if (!scanning())
        return;
    m_timer->stop();
    m_central->stopScan();
    emit finished();
}

bool BleScanner::scanning() const
{
    return m_timer->isActive();
}

void BleScanner::deviceFound(const BleDevice &device)
{
    if (!scanning())
        return;
    for (BleDevice &known : m_devices)
        if (known.address == device.address) {
            if (!device.name.isEmpty())
                known.name = device.name;
            for (const QString &service : device.services)
                if (!known.services.contains(service))
                    known.services.append(service);
            emit devicesChanged();
            return;
        }
    m_devices.append(device);
    emit devicesChanged();
}

} // namespace trx
