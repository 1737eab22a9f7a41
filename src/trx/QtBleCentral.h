#pragma once

#include "trx/BleCentral.h"

#include <QBluetoothDeviceInfo>
#include <QHash>
#include <QPointer>

class QBluetoothDeviceDiscoveryAgent;
class QLowEnergyController;
class QLowEnergyService;

namespace trx {

/** The central over Qt Bluetooth (BlueZ on Linux). */
class QtBleCentral : public BleCentral {
    Q_OBJECT
public:
    explicit QtBleCentral(QObject *parent = nullptr);
    ~QtBleCentral() override;

    [[nodiscard]] bool available() const override;
    void startScan(const QString &serviceUuid) override;
    void stopScan() override;
    void connectTo(const QString &address, const QString &serviceUuid) override;
    void subscribe(const QString &characteristic) override;
    void read(const QString &characteristic) override;
    void write(const QString &characteristic, const QByteArray &bytes) override;
    [[nodiscard]] int maxWriteSize() const override;
    void disconnectFromDevice() override;

private:
    void deviceSeen(const QBluetoothDeviceInfo &info);
    void servicesDiscovered();
    void serviceStateChanged(int state);
    void dropConnection(const QString &reason);

    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
    QString m_scanService;
    QHash<QString, QBluetoothDeviceInfo> m_seen; // by address, to connect with what was heard
    QPointer<QLowEnergyController> m_controller;
    QPointer<QLowEnergyService> m_service;
    QString m_serviceUuid;
    quint64 m_generation = 0; // which connection a queued disconnected() belongs to
};

} // namespace trx
