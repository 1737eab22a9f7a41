#include "trx/IcomBleLink.h"

#include "trx/BleCentral.h"
#include "trx/BleWriter.h"

#include <QDebug>
#include <QTimer>

namespace trx {
namespace {

constexpr qsizetype kNameLength = 16;
const QByteArray kProgramName = QByteArrayLiteral("Brindlewick");

} // namespace

IcomBleLink::IcomBleLink(BleCentral *central, const QString &address, const QUuid &installationId,
                         QObject *parent)
    // The radio wants each frame in one write.
    : BleLink(central, address, BleCentral::kIcomService, BleWriter::kWhole, parent),
      m_installationId(installationId), m_identifyTimer(new QTimer(this))
{
    m_identifyTimer->setSingleShot(true);
    m_identifyTimer->setInterval(kIdentifyDelayMs);
    connect(m_identifyTimer, &QTimer::timeout, this, [this] {
        m_identifySent = true;
        writer().enqueue(identifyFrame(m_installationId));
    });
    connect(&writer(), &BleWriter::messageWritten, this, &IcomBleLink::messageWritten);
}

QByteArray IcomBleLink::identifyFrame(const QUuid &installationId)
{
    return QByteArray::fromHex("FEF10061") + installationId.toRfc4122() + QByteArray::fromHex("FD");
}

QByteArray IcomBleLink::nameFrame()
{
    return QByteArray::fromHex("FEF10062") + kProgramName.leftJustified(kNameLength, ' ', true) +
           QByteArray::fromHex("FD");
}

void IcomBleLink::write(const QByteArray &bytes)
{
    if (isOpen())
        writer().enqueue(bytes);
}

QString IcomBleLink::description() const
{
    return QStringLiteral("icom-ble:%1").arg(address());
}

void IcomBleLink::serviceReady(const QList<BleCharacteristic> &characteristics)
{
    QString writable;
    for (const BleCharacteristic &c : characteristics) {
        if (c.notify)
            central().subscribe(c.uuid);
        if (c.read)
            central().read(c.uuid);
        if (c.write)
            writable = c.uuid;
    }
    if (writable.isEmpty()) {
        fail(tr("The Icom radio %1 has nothing to write to.").arg(address()));
        return;
    }
    writer().start(writable);
    m_identifyTimer->start();
}

void IcomBleLink::messageWritten(const QByteArray &message)
{
    if (m_tokenSent || !m_identifySent || !message.startsWith(QByteArray::fromHex("FEF10061")))
        return;
    writer().enqueue(nameFrame());
    writer().enqueue(kToken);
    m_tokenSent = true;
}

void IcomBleLink::valueReceived(const QString &, const QByteArray &value)
{
    if (value.isEmpty())
        return;
    if (m_tokenSent)
        writer().enqueue(kAcknowledge);
    if (value == kAccepted) {
        becomeOpen();
        return;
    }
    if (value.size() >= 3 && value.startsWith(kControlPrefix)) {
        qInfo().noquote()
            << QStringLiteral("Control Data in: %1").arg(QString::fromLatin1(value.toHex(' ')));
        return;
    }
    if (isOpen())
        emit received(value);
}

QString IcomBleLink::unavailableText() const
{
    return tr("Can't access Bluetooth");
}

void IcomBleLink::reset()
{
    m_identifyTimer->stop();
    m_identifySent = false;
    m_tokenSent = false;
}

} // namespace trx
