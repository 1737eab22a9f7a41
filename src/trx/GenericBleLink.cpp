#include "trx/GenericBleLink.h"

#include "trx/BleCentral.h"
#include "trx/BleWriter.h"

namespace trx {

GenericBleLink::GenericBleLink(BleCentral *central, const QString &address, QObject *parent)
    : BleLink(central, address, BleCentral::kGenericService, kChunkSize, parent)
{}

void GenericBleLink::write(const QByteArray &bytes)
{
    if (isOpen())
        writer().enqueue(bytes);
}

QString GenericBleLink::description() const
{
    return QStringLiteral("ble:%1").arg(address());
}

void GenericBleLink::serviceReady(const QList<BleCharacteristic> &characteristics)
{
    QString writable;
    bool notifying = false;
    for (const BleCharacteristic &c : characteristics) {
        if (c.write)
            writable = c.uuid;
        if (c.notify) {
            notifying = true;
            central().subscribe(c.uuid);
        }
    }
    if (writable.isEmpty()) {
        fail(tr("The Bluetooth device %1 has nothing to write to.").arg(address()));
        return;
    }
    writer().start(writable);
    // An adapter that only listens never confirms a subscription.
    if (!notifying)
        becomeOpen();
}

void GenericBleLink::subscribed(const QString &)
{
    becomeOpen();
}

void GenericBleLink::valueReceived(const QString &, const QByteArray &value)
{
    if (isOpen() && !value.isEmpty())
        emit received(value);
}

} // namespace trx
