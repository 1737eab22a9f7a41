#include "trx/BleWriter.h"

#include "trx/BleCentral.h"

#include <algorithm>

namespace trx {

BleWriter::BleWriter(BleCentral &central, int chunkLimit, QObject *parent)
    : QObject(parent), m_central(central), m_chunkLimit(chunkLimit)
{
    connect(&m_central, &BleCentral::written, this, &BleWriter::chunkWritten);
    connect(&m_central, &BleCentral::writeFailed, this, &BleWriter::chunkRefused);
}

void BleWriter::start(const QString &characteristic)
{
    stop();
    m_characteristic = characteristic;
}

void BleWriter::stop()
{
    m_characteristic.clear();
    m_queue.clear();
    m_offset = 0;
    m_inFlight = 0;
}

void BleWriter::enqueue(const QByteArray &message)
{
    if (m_characteristic.isEmpty() || message.isEmpty())
        return;
    m_queue.enqueue(message);
    if (!m_inFlight)
        writeNext();
}

void BleWriter::writeNext()
{
    if (m_queue.isEmpty())
        return;
    const QByteArray chunk =
        m_chunkLimit == kWhole
            ? m_queue.head()
            : m_queue.head().mid(m_offset,
                                 std::max(1, std::min(m_chunkLimit, m_central.maxWriteSize())));
    m_inFlight = chunk.size();
    m_central.write(m_characteristic, chunk);
}

void BleWriter::chunkWritten(const QString &characteristic)
{
    if (!m_inFlight || characteristic.compare(m_characteristic, Qt::CaseInsensitive) != 0)
        return;
    m_offset += m_inFlight;
    m_inFlight = 0;
    if (m_offset >= m_queue.head().size()) {
        const QByteArray done = m_queue.dequeue();
        m_offset = 0;
        writeNext();
        emit messageWritten(done);
        return;
    }
    writeNext();
}

void BleWriter::chunkRefused()
{
    if (!m_inFlight)
        return;
    // The rest of a half-sent command would be garbage to the radio: the next one goes instead.
    m_queue.dequeue();
    m_offset = 0;
    m_inFlight = 0;
    writeNext();
}

} // namespace trx
