#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

namespace trx {

/** Finds network serial interfaces by listening for their UDP broadcasts on the interface port
 *  for 30 s: every datagram sent from that port adds its sender's address, once. */
class InterfaceDiscovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kListenMs = 30000;

    explicit InterfaceDiscovery(QObject *parent = nullptr);
    ~InterfaceDiscovery() override;

    /** Clears the list and listens on the port; ignored while listening. */
    void start(quint16 port);
    void stop();
    /** For tests: how long start() listens. */
    void setListenMs(int ms);
    [[nodiscard]] bool isRunning() const;
    /** The addresses found, in the order they were heard. */
    [[nodiscard]] QStringList hosts() const;
    /** 0…1 through the listening time. */
    [[nodiscard]] double progress() const;

signals:
    void hostsChanged();
    void runningChanged();
    void progressChanged();
    /** Listening could not start (port in use, …). */
    void failed(const QString &reason);

private:
    void readDatagrams();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace trx
