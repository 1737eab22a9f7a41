#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace trx {

/** What carries a radio's bytes: the network serial interface, a serial port, a Bluetooth LE
 *  link, a TCP line to rigctld. The command sets never know which one it is.
 *
 *  Every signal comes on a later turn of the event loop than the call that caused it, so a
 *  receiver may close, reopen or delete the link inside it. */
class ByteLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /** Starts opening; opened() or closed(reason) follows. Ignored while open or opening. */
    virtual void open() = 0;
    /** Closes at once; closed("") follows when the link was open or opening. */
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    /** Sends the bytes in order after everything written before; dropped while not open. */
    virtual void write(const QByteArray &bytes) = 0;
    /** For status lines and logs: "tcp:host:port", "serial:/dev/ttyUSB0:38400", … */
    [[nodiscard]] virtual QString description() const = 0;

signals:
    void opened();
    /** Bytes as they arrived: a reply may come in pieces, several replies in one piece. */
    void received(const QByteArray &bytes);
    /** The link is closed: by close() (empty reason), by the peer, or because opening failed
     *  (the reason says what happened, for the user). Once per open(). */
    void closed(const QString &reason);
};

} // namespace trx
