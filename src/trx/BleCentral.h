#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace trx {

/** A device heard while scanning. The address is the Bluetooth address ("AA:BB:CC:DD:EE:FF"). */
struct BleDevice {
    QString name;
    QString address;
    QStringList services; // service UUIDs it advertises, "{…}"-less upper case
};

struct BleCharacteristic {
    QString uuid;
    bool notify = false;
    bool read = false;
    bool write = false;
};

/** A Bluetooth LE central holding at most one scan and one connection: the part of the
 *  platform the links need. The links and the pairing run over this, so tests can stand in a
 *  fake for BlueZ. All signals arrive on the event loop, never inside the call that caused
 *  them. */
class BleCentral : public QObject {
    Q_OBJECT
public:
    static inline const QString kGenericService =
        QStringLiteral("6E400001-B5A3-F393-E0A9-E50E24DCCA9E");
    static inline const QString kIcomService =
        QStringLiteral("14CF8001-1EC2-D408-1B04-2EB270F14203");

    using QObject::QObject;

    /** False without an adapter, or with its power off. */
    [[nodiscard]] virtual bool available() const = 0;
    /** Reports every device that advertises the service (any device for an empty one). */
    virtual void startScan(const QString &serviceUuid) = 0;
    virtual void stopScan() = 0;
    /** Connects and discovers the service's characteristics: serviceReady() or
     *  disconnected(reason) follows. */
    virtual void connectTo(const QString &address, const QString &serviceUuid) = 0;
    virtual void subscribe(const QString &characteristic) = 0;
    virtual void read(const QString &characteristic) = 0;
    /** Writes with response: written() follows. */
    virtual void write(const QString &characteristic, const QByteArray &bytes) = 0;
    /** The most one write may carry on this connection. */
    [[nodiscard]] virtual int maxWriteSize() const = 0;
    virtual void disconnectFromDevice() = 0;

signals:
    void deviceFound(const trx::BleDevice &device);
    void serviceReady(const QList<trx::BleCharacteristic> &characteristics);
    void subscribed(const QString &characteristic);
    void valueReceived(const QString &characteristic, const QByteArray &value);
    void written(const QString &characteristic);
    /** The write in flight was refused. */
    void writeFailed(const QString &message);
    /** The connection ended or could not be made; the reason is empty when asked for. */
    void disconnected(const QString &reason);
    /** A failure that leaves the connection as it is; only logged. */
    void failed(const QString &message);
};

} // namespace trx
