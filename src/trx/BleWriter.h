#pragma once

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QString>

namespace trx {

class BleCentral;

/** Writes messages to one characteristic in order, in chunks the characteristic takes, one
 *  write in flight: the next chunk goes when the last one is confirmed. A message is never
 *  interleaved with another, however fast they are queued. */
class BleWriter : public QObject {
    Q_OBJECT
public:
    /** Writes with response may exceed a packet (the stack sends them as a long write). */
    static constexpr int kWhole = 0;

    /** chunkLimit: the most bytes one write carries (also bounded by the connection), or
     *  kWhole. */
    BleWriter(BleCentral &central, int chunkLimit, QObject *parent = nullptr);

    /** Starts writing to the characteristic; drops anything queued before. */
    void start(const QString &characteristic);
    /** Forgets what is queued and in flight. */
    void stop();
    void enqueue(const QByteArray &message);
    [[nodiscard]] bool idle() const { return m_queue.isEmpty() && !m_inFlight; }

signals:
    /** The last chunk of this message was confirmed. */
    void messageWritten(const QByteArray &message);

private:
    void writeNext();
    void chunkWritten(const QString &characteristic);
    void chunkRefused();

    BleCentral &m_central;
    int m_chunkLimit;
    QString m_characteristic;
    QQueue<QByteArray> m_queue;
    qsizetype m_offset = 0;   // of the head message's next chunk
    qsizetype m_inFlight = 0; // bytes of the chunk awaiting its confirmation
};

} // namespace trx
