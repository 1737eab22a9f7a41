#include "trx/SerialLink.h"

#include <QPointer>
#include <QSerialPort>

namespace trx {

SerialLink::SerialLink(const QString &device, int baudRate, bool hardwareFlowControl,
                       QObject *parent)
    : ByteLink(parent), m_device(device), m_baudRate(baudRate),
      m_hardwareFlowControl(hardwareFlowControl), m_port(new QSerialPort(this))
{
    // Queued, so that a receiver may delete this link (and with it the port) in any signal.
    connect(m_port, &QSerialPort::readyRead, this, &SerialLink::readAvailable,
            Qt::QueuedConnection);
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        QMetaObject::invokeMethod(
            this,
            [this, error, generation = m_generation] {
                if (generation == m_generation)
                    portFailed(error);
            },
            Qt::QueuedConnection);
    });
}

SerialLink::~SerialLink() = default;

void SerialLink::open()
{
    if (m_state != State::Closed)
        return;
    ++m_generation;
    m_port->setPortName(m_device);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(m_hardwareFlowControl ? QSerialPort::HardwareControl
                                                 : QSerialPort::NoFlowControl);
    if (m_baudRate <= 0 || !m_port->setBaudRate(m_baudRate)) {
        postClosed(tr("The baud rate %1 cannot be used.").arg(m_baudRate));
        return;
    }
    if (!m_port->open(QIODevice::ReadWrite)) {
        postClosed(tr("Cannot open %1: %2").arg(m_device, m_port->errorString()));
        m_port->clearError();
        return;
    }
    m_state = State::Opening;
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation == m_generation && m_state == State::Opening)
                becomeOpen();
        },
        Qt::QueuedConnection);
}

void SerialLink::close()
{
    if (m_state == State::Closed)
        return;
    ++m_generation;
    m_port->close();
    m_state = State::Closed;
    postClosed(QString());
}

void SerialLink::write(const QByteArray &bytes)
{
    if (m_state == State::Open)
        m_port->write(bytes); // the port buffers; its bytes leave in order
}

QString SerialLink::description() const
{
    return QStringLiteral("serial:%1:%2").arg(m_device).arg(m_baudRate);
}

void SerialLink::becomeOpen()
{
    m_state = State::Open;
    const QPointer<SerialLink> alive(this);
    const quint64 generation = m_generation;
    emit opened();
    // Bytes that came while opening waited for this.
    if (alive && generation == m_generation && m_port->bytesAvailable() > 0)
        readAvailable();
}

void SerialLink::readAvailable()
{
    if (m_state != State::Open)
        return; // kept in the port's buffer until the link is open
    const QByteArray bytes = m_port->readAll();
    if (!bytes.isEmpty())
        emit received(bytes);
}

void SerialLink::portFailed(int error)
{
    // A pulled USB adapter or a hung-up line shows as a resource or read error (whose system
    // text is often stale); the port is useless from then on, and Qt keeps reporting it.
    if (m_state == State::Closed || error == QSerialPort::NoError ||
        error == QSerialPort::TimeoutError || !m_port->isOpen())
        return;
    const QString reason =
        error == QSerialPort::ResourceError || error == QSerialPort::ReadError
            ? tr("The serial port %1 was disconnected.").arg(m_device)
            : tr("The serial port %1 failed: %2").arg(m_device, m_port->errorString());
    ++m_generation;
    m_port->close();
    m_port->clearError();
    m_state = State::Closed;
    emit closed(reason);
}

void SerialLink::postClosed(const QString &reason)
{
    QMetaObject::invokeMethod(
        this, [this, reason] { emit closed(reason); }, Qt::QueuedConnection);
}

} // namespace trx
