#pragma once

#include "trx/BleCentral.h"

#include <QList>
#include <QObject>

class QTimer;

namespace trx {

/** Listens for Bluetooth LE devices for a while and keeps the list of those heard, each once
 *  (by address), with the latest name and services. */
class BleScanner : public QObject {
    Q_OBJECT
public:
    static constexpr int kScanMs = 10000;

    /** The central becomes the scanner's child when it has no parent. */
    explicit BleScanner(BleCentral *central, QObject *parent = nullptr);

    /** Starts listening for devices that offer the service (any for an empty one); false
     *  without Bluetooth. Ignored while scanning. */
    bool start(const QString &serviceUuid, int ms = kScanMs);
    void stop();
    [[nodiscard]] bool scanning() const;
    [[nodiscard]] const QList<BleDevice> &devices() const { return m_devices; }

signals:
    void devicesChanged();
    void finished();

private:
    void deviceFound(const BleDevice &device);

    BleCentral *m_central;
    QTimer *m_timer;
    QList<BleDevice> m_devices;
};

} // namespace trx
