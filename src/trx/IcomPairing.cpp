#include "trx/IcomPairing.h"

#include "trx/BleCentral.h"
#include "trx/IcomBleLink.h"

#include <QTimer>

namespace trx {
namespace {

const QString kNoName = QStringLiteral("NoName");

} // namespace

IcomPairing::IcomPairing(BleCentral *central, const QUuid &installationId, QObject *parent)
    : QObject(parent), m_central(central), m_installationId(installationId),
      m_timer(new QTimer(this))
{
    if (!m_central->parent())
        m_central->setParent(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kPairingTimeoutMs);
    connect(m_timer, &QTimer::timeout, this, &IcomPairing::finish);
    connect(m_central, &BleCentral::deviceFound, this,
            [this](const BleDevice &device) { deviceFound(device.address, device.name); });
}

IcomPairing::~IcomPairing() = default;

void IcomPairing::setTimeout(int ms)
{
    m_timer->setInterval(ms);
}

bool IcomPairing::pairing() const
{
    return m_timer->isActive();
}

void IcomPairing::pairNow()
{
    if (pairing())
        return;
    m_address.clear();
    m_name.clear();
    m_accepted = false;
    if (!m_central->available()) {
        QMetaObject::invokeMethod(
            this, [this] { emit notPaired(tr(kNoBluetooth.toUtf8().constData())); },
            Qt::QueuedConnection);
        return;
    }
    m_timer->start();
    m_central->startScan(BleCentral::kIcomService);
}

void IcomPairing::deviceFound(const QString &address, const QString &name)
{
    if (!pairing() || !m_address.isEmpty())
        return;
    // One radio at a time: the first one heard in pairing reception.
    m_central->stopScan();
    m_address = address;
    m_name = name.isEmpty() ? kNoName : name;
    m_link = new IcomBleLink(m_central, address, m_installationId, this);
    m_link->setConnectTimeout(m_timer->remainingTime() > 0 ? m_timer->remainingTime() : 1);
    connect(m_link, &IcomBleLink::opened, this, [this] {
        m_accepted = true;
        finish();
    });
    m_link->open();
}

void IcomPairing::finish()
{
    m_timer->stop();
    m_central->stopScan();
    if (m_link) {
        m_link->disconnect(this);
        m_link->close();
        m_link->deleteLater();
        m_link = nullptr;
    }
    if (m_accepted)
        emit paired(m_address, m_name);
    else
        emit notPaired(tr((m_address.isEmpty() ? kNotFound : kFailed).toUtf8().constData()));
}

} // namespace trx
