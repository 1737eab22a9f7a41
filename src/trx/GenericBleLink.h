#pragma once

#include "trx/BleLink.h"

namespace trx {

/** A Bluetooth LE serial adapter (the UART-style service, as on Elecraft radios): every
 *  notifying characteristic is subscribed, the last writable one is written in chunks of at
 *  most 10 bytes. Open once a subscription is active. */
class GenericBleLink : public BleLink {
    Q_OBJECT
public:
    static constexpr int kChunkSize = 10;

    GenericBleLink(BleCentral *central, const QString &address, QObject *parent = nullptr);

    void write(const QByteArray &bytes) override;
    [[nodiscard]] QString description() const override;

protected:
    void serviceReady(const QList<BleCharacteristic> &characteristics) override;
    void subscribed(const QString &characteristic) override;
    void valueReceived(const QString &characteristic, const QByteArray &value) override;
};

} // namespace trx
