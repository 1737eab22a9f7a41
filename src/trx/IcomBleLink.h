#pragma once

#include "trx/BleLink.h"

#include <QUuid>

class QTimer;

namespace trx {

/** The Icom radio's own Bluetooth LE link (IC-705). After connecting it identifies this
 *  installation, gives the program's name and the access token; the radio's accepted frame
 *  opens the link. Control frames from the radio are only logged; once the handshake was sent,
 *  every value from the radio is acknowledged before it is passed on. */
class IcomBleLink : public BleLink {
    Q_OBJECT
public:
    static inline const QByteArray kAccepted = QByteArray::fromHex("FEF10064FD");
    static inline const QByteArray kControlPrefix = QByteArray::fromHex("FEF1");
    static inline const QByteArray kAcknowledge = QByteArray::fromHex("FEF10060FBFD");
    static inline const QByteArray kToken = QByteArray::fromHex("FEF10063A75C12E4FD");
    static constexpr int kIdentifyDelayMs = 100;

    IcomBleLink(BleCentral *central, const QString &address, const QUuid &installationId,
                QObject *parent = nullptr);

    void write(const QByteArray &bytes) override;
    [[nodiscard]] QString description() const override;

    [[nodiscard]] static QByteArray identifyFrame(const QUuid &installationId);
    [[nodiscard]] static QByteArray nameFrame();
    /** A radio was found and spoken to, whether or not it accepted. */
    [[nodiscard]] bool handshakeStarted() const { return m_identifySent; }

protected:
    void serviceReady(const QList<BleCharacteristic> &characteristics) override;
    void valueReceived(const QString &characteristic, const QByteArray &value) override;
    void reset() override;
    [[nodiscard]] QString unavailableText() const override;

private:
    void messageWritten(const QByteArray &message);

    QUuid m_installationId;
    QTimer *m_identifyTimer;
    bool m_identifySent = false;
    bool m_tokenSent = false;
};

} // namespace trx
