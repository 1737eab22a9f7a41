#pragma once

#include "trx/BleCentral.h"

#include <QList>
#include <QPair>

/** A Bluetooth LE central with no radio behind it: records what the links ask for and lets
 *  the test answer as the device would. */
class FakeBleCentral : public trx::BleCentral {
    Q_OBJECT
public:
    using BleCentral::BleCentral;

    [[nodiscard]] bool available() const override { return powered; }
    void startScan(const QString &serviceUuid) override
    {
        scanService = serviceUuid;
        scanning = true;
    }
    void stopScan() override { scanning = false; }
    void connectTo(const QString &address, const QString &serviceUuid) override
    {
        connectedAddress = address;
        connectedService = serviceUuid;
    }
    void subscribe(const QString &characteristic) override { subscriptions.append(characteristic); }
    void read(const QString &characteristic) override { reads.append(characteristic); }
    void write(const QString &characteristic, const QByteArray &bytes) override
    {
        writes.append({characteristic, bytes});
    }
    [[nodiscard]] int maxWriteSize() const override { return writeSize; }
    void disconnectFromDevice() override
    {
        connectedAddress.clear();
        ++disconnects;
    }

    /** Confirms every write still waiting, as the device would one by one, until none is
     *  left (the next chunk is written on each confirmation). */
    void confirmAll()
    {
        while (confirmed < writes.size())
            emit written(writes.at(confirmed++).first);
    }
    [[nodiscard]] QList<QByteArray> writtenBytes() const
    {
        QList<QByteArray> bytes;
        for (const auto &write : writes)
            bytes.append(write.second);
        return bytes;
    }

    bool powered = true;
    bool scanning = false;
    QString scanService;
    QString connectedAddress;
    QString connectedService;
    QStringList subscriptions;
    QStringList reads;
    QList<QPair<QString, QByteArray>> writes;
    qsizetype confirmed = 0;
    int writeSize = 20;
    int disconnects = 0;
};
