#pragma once

#include <QObject>
#include <QString>
#include <QUuid>

class QTimer;

namespace trx {

class BleCentral;
class IcomBleLink;

/** Pairs with an Icom radio that waits in "Pairing Reception": scans for its service,
 *  connects to the first one heard and runs the handshake. The radio's accepted frame ends
 *  it at once; otherwise the time limit ends it with what was found. */
class IcomPairing : public QObject {
    Q_OBJECT
public:
    static constexpr int kPairingTimeoutMs = 15000;
    // The reasons `notPaired` gives, in English; it hands them on translated.
    static inline const QString kNotFound =
        QString::fromUtf8(QT_TRANSLATE_NOOP("trx::IcomPairing", "Icom trcvr not found"));
    static inline const QString kFailed = QString::fromUtf8(
        QT_TRANSLATE_NOOP("trx::IcomPairing", "Icom trcvr found, but pairing failed"));
    static inline const QString kNoBluetooth =
        QString::fromUtf8(QT_TRANSLATE_NOOP("trx::IcomPairing", "Can't access Bluetooth"));

    /** The central becomes the pairing's child when it has no parent. */
    IcomPairing(BleCentral *central, const QUuid &installationId, QObject *parent = nullptr);
    ~IcomPairing() override;

    /** Starts pairing; paired() or notPaired() follows once. Ignored while pairing. */
    void pairNow();
    [[nodiscard]] bool pairing() const;
    /** For tests: the time limit. */
    void setTimeout(int ms);

signals:
    void paired(const QString &address, const QString &name);
    void notPaired(const QString &message);

private:
    void deviceFound(const QString &address, const QString &name);
    void finish();

    BleCentral *m_central;
    QUuid m_installationId;
    QTimer *m_timer;
    IcomBleLink *m_link = nullptr;
    QString m_address;
    QString m_name;
    bool m_accepted = false;
};

} // namespace trx
