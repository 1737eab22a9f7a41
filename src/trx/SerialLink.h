#pragma once

#include "trx/ByteLink.h"

class QSerialPort;

namespace trx {

/** A radio on a serial port (a USB or RS-232 CAT cable): 8 data bits, no parity, one stop bit,
 *  with hardware (RTS/CTS) flow control or none. */
class SerialLink : public ByteLink {
    Q_OBJECT
public:
    SerialLink(const QString &device, int baudRate, bool hardwareFlowControl,
               QObject *parent = nullptr);
    ~SerialLink() override;

    void open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_state == State::Open; }
    void write(const QByteArray &bytes) override;
    [[nodiscard]] QString description() const override;

private:
    enum class State { Closed, Opening, Open };

    void becomeOpen();
    void readAvailable();
    void portFailed(int error);
    void postClosed(const QString &reason);

    QString m_device;
    int m_baudRate = 0;
    bool m_hardwareFlowControl = false;
    QSerialPort *m_port = nullptr;
    State m_state = State::Closed;
    quint64 m_generation = 0; // which open() a queued signal belongs to
};

} // namespace trx
