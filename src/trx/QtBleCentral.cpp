#include "trx/QtBleCentral.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QBluetoothUuid>
#include <QDebug>
#include <QLowEnergyController>
#include <QLowEnergyService>

namespace trx {
namespace {

constexpr int kAttributeHeader = 3; // what the ATT protocol takes of each packet
constexpr int kDefaultMtu = 23;

QString uuidText(const QBluetoothUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

QBluetoothUuid uuidOf(const QString &text)
{
    return QBluetoothUuid(QUuid::fromString(text));
}

} // namespace

QtBleCentral::QtBleCentral(QObject *parent) : BleCentral(parent)
{}

QtBleCentral::~QtBleCentral()
{
    if (m_controller)
        m_controller->disconnectFromDevice();
}

bool QtBleCentral::available() const
{
    const QList<QBluetoothHostInfo> adapters = QBluetoothLocalDevice::allDevices();
    if (adapters.isEmpty())
        return false;
    const QBluetoothLocalDevice local;
    return local.isValid() && local.hostMode() != QBluetoothLocalDevice::HostPoweredOff;
}

void QtBleCentral::startScan(const QString &serviceUuid)
{
    stopScan();
    m_scanService = serviceUuid.toUpper();
    m_agent = new QBluetoothDeviceDiscoveryAgent(this);
    m_agent->setLowEnergyDiscoveryTimeout(0); // the caller decides how long
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            &QtBleCentral::deviceSeen);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
            [this](const QBluetoothDeviceInfo &info) { deviceSeen(info); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
            [this] { emit failed(QStringLiteral("error: %1").arg(m_agent->errorString())); });
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void QtBleCentral::stopScan()
{
    if (!m_agent)
        return;
    m_agent->stop();
    m_agent->deleteLater();
    m_agent = nullptr;
}

void QtBleCentral::deviceSeen(const QBluetoothDeviceInfo &info)
{
    if (!(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;
    BleDevice device{info.name(), info.address().toString(), {}};
    for (const QBluetoothUuid &uuid : info.serviceUuids())
        device.services.append(uuidText(uuid));
    if (!m_scanService.isEmpty() && !device.services.contains(m_scanService))
        return;
    m_seen.insert(device.address, info);
    emit deviceFound(device);
}

void QtBleCentral::connectTo(const QString &address, const QString &serviceUuid)
{
    dropConnection(QString());
    ++m_generation; // the old connection's end is not this one's
    m_serviceUuid = serviceUuid;
    QBluetoothDeviceInfo info = m_seen.value(address);
    if (!info.isValid()) {
        info = QBluetoothDeviceInfo(QBluetoothAddress(address), QString(), 0);
        info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    }
    m_controller = QLowEnergyController::createCentral(info, this);
    connect(m_controller, &QLowEnergyController::connected, m_controller,
            &QLowEnergyController::discoverServices);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this,
            &QtBleCentral::servicesDiscovered);
    connect(m_controller, &QLowEnergyController::errorOccurred, this, [this] {
        const QString reason = m_controller->errorString();
        qWarning().noquote() << QStringLiteral("Did Fail To Connect Peripheral: %1").arg(reason);
        dropConnection(reason);
    });
    connect(m_controller, &QLowEnergyController::disconnected, this, [this] {
        qInfo().noquote()
            << QStringLiteral("Disconnected: %1").arg(m_controller->remoteAddress().toString());
        dropConnection(tr("The Bluetooth device disconnected."));
    });
    m_controller->connectToDevice();
}

void QtBleCentral::servicesDiscovered()
{
    m_service = m_controller->createServiceObject(uuidOf(m_serviceUuid), this);
    if (!m_service) {
        dropConnection(
            tr("The Bluetooth device does not offer the service %1.").arg(m_serviceUuid));
        return;
    }
    connect(m_service, &QLowEnergyService::stateChanged, this,
            [this](QLowEnergyService::ServiceState state) { serviceStateChanged(state); });
    connect(m_service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit valueReceived(uuidText(c.uuid()), value);
            });
    connect(m_service, &QLowEnergyService::characteristicRead, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit valueReceived(uuidText(c.uuid()), value);
            });
    connect(m_service, &QLowEnergyService::characteristicWritten, this,
            [this](const QLowEnergyCharacteristic &c) { emit written(uuidText(c.uuid())); });
    connect(m_service, &QLowEnergyService::descriptorWritten, this,
            [this](const QLowEnergyDescriptor &d, const QByteArray &value) {
                if (d.type() == QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration &&
                    value != QLowEnergyCharacteristic::CCCDDisable)
                    for (const QLowEnergyCharacteristic &c : m_service->characteristics())
                        if (c.descriptors().contains(d))
                            emit subscribed(uuidText(c.uuid()));
            });
    connect(m_service, &QLowEnergyService::errorOccurred, this,
            [this](QLowEnergyService::ServiceError error) {
                const QString text =
                    error == QLowEnergyService::CharacteristicWriteError
                        ? QStringLiteral("Error while writing: %1").arg(int(error))
                    : error == QLowEnergyService::DescriptorWriteError
                        ? QStringLiteral("Error changing notification state: %1").arg(int(error))
                        : QStringLiteral("Error reading characteristics: %1").arg(int(error));
                qWarning().noquote() << text;
                if (error == QLowEnergyService::CharacteristicWriteError)
                    emit writeFailed(text);
                else
                    emit failed(text);
            });
    m_service->discoverDetails();
}

void QtBleCentral::serviceStateChanged(int state)
{
    if (state != QLowEnergyService::RemoteServiceDiscovered || !m_service)
        return;
    QList<BleCharacteristic> found;
    for (const QLowEnergyCharacteristic &c : m_service->characteristics()) {
        const auto properties = c.properties();
        found.append({uuidText(c.uuid()),
                      properties.testFlag(QLowEnergyCharacteristic::Notify) ||
                          properties.testFlag(QLowEnergyCharacteristic::Indicate),
                      properties.testFlag(QLowEnergyCharacteristic::Read),
                      properties.testFlag(QLowEnergyCharacteristic::Write)});
    }
    emit serviceReady(found);
}

void QtBleCentral::subscribe(const QString &characteristic)
{
    if (!m_service)
        return;
    const QLowEnergyCharacteristic c = m_service->characteristic(uuidOf(characteristic));
    const QLowEnergyDescriptor config = c.clientCharacteristicConfiguration();
    if (config.isValid())
        m_service->writeDescriptor(config, c.properties().testFlag(QLowEnergyCharacteristic::Notify)
                                               ? QLowEnergyCharacteristic::CCCDEnableNotification
                                               : QLowEnergyCharacteristic::CCCDEnableIndication);
}

void QtBleCentral::read(const QString &characteristic)
{
    if (m_service)
        m_service->readCharacteristic(m_service->characteristic(uuidOf(characteristic)));
}

void QtBleCentral::write(const QString &characteristic, const QByteArray &bytes)
{
    if (m_service)
        m_service->writeCharacteristic(m_service->characteristic(uuidOf(characteristic)), bytes,
                                       QLowEnergyService::WriteWithResponse);
}

int QtBleCentral::maxWriteSize() const
{
    const int mtu = m_controller && m_controller->mtu() > 0 ? m_controller->mtu() : kDefaultMtu;
    return mtu - kAttributeHeader;
}

void QtBleCentral::disconnectFromDevice()
{
    dropConnection(QString());
}

void QtBleCentral::dropConnection(const QString &reason)
{
    if (!m_controller)
        return;
    QLowEnergyController *controller = m_controller;
    m_controller = nullptr;
    controller->disconnect(this);
    if (m_service) {
        m_service->disconnect(this);
        m_service->deleteLater();
    }
    controller->disconnectFromDevice();
    controller->deleteLater();
    QMetaObject::invokeMethod(
        this,
        [this, reason, generation = m_generation] {
            if (generation == m_generation)
                emit disconnected(reason);
        },
        Qt::QueuedConnection);
}

} // namespace trx
