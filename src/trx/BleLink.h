#pragma once

#include "trx/ByteLink.h"

#include <QList>

class QTimer;

namespace trx {

class BleCentral;
class BleWriter;
struct BleCharacteristic;

/** What the Bluetooth LE links share: connecting to one device's service with a time limit,
 *  the ordered writer, and closing when the device goes. The central becomes the link's child
 *  when it has no parent. */
class BleLink : public ByteLink {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 10000;

    BleLink(BleCentral *central, const QString &address, const QString &service, int chunkLimit,
            QObject *parent = nullptr);
    ~BleLink() override;

    void open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_state == State::Open; }
    [[nodiscard]] const QString &address() const { return m_address; }
    /** For tests: how long opening may take before it is given up. */
    void setConnectTimeout(int ms);

protected:
    enum class State { Closed, Opening, Open };

    virtual void serviceReady(const QList<BleCharacteristic> &characteristics) = 0;
    virtual void valueReceived(const QString &characteristic, const QByteArray &value) = 0;
    virtual void subscribed(const QString &characteristic) { Q_UNUSED(characteristic) }
    /** Why opening failed at once: no adapter, or its power off. */
    [[nodiscard]] virtual QString unavailableText() const;
    /** Called whenever the link closes, for the subclass's own state. */
    virtual void reset() {}

    void becomeOpen();
    /** Closes with the reason shown to the user. */
    void fail(const QString &reason);
    [[nodiscard]] State state() const { return m_state; }
    [[nodiscard]] BleCentral &central() { return *m_central; }
    [[nodiscard]] BleWriter &writer() { return *m_writer; }

private:
    void shutDown();

    BleCentral *m_central;
    BleWriter *m_writer;
    QTimer *m_connectTimer;
    QString m_address;
    QString m_service;
    State m_state = State::Closed;
};

} // namespace trx
