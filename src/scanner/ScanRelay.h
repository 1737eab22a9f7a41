#pragma once

#include "net/SocketError.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

class Clock;
class UserDefaults;

namespace net {
class AsyncUdpSocket;
}

namespace scanner {

struct UserText;

/** Sends each scanned card text, unchanged, as one UTF-8 UDP datagram to the desktop logbook
 *  at "ScanHost" and "ScanPort". Only texts with "From:" and "To:" go out, and only when a host
 *  is set. The socket is made on the first send, with broadcast sending on so that a broadcast
 *  address works as host, and kept. With "ScanAuto" the card still in front of the camera would
 *  be read again at once: the same text is not sent again within 5 s. Every outcome, a failed
 *  send above all, is shown in `status` (English, as the CLI prints it) and `shownStatus` (the
 *  user's language, for the screen). */
class ScanRelay : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString shownStatus READ shownStatus NOTIFY statusChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY statusChanged)
public:
    static constexpr qint64 kRepeatSeconds = 5;

    enum class Outcome { Queued, NotACard, NoHost, BadPort, Repeated, Failed };
    Q_ENUM(Outcome)

    ScanRelay(const UserDefaults &defaults, const Clock &clock, QObject *parent = nullptr);
    ~ScanRelay() override;

    /** Sends to the host and port of the user defaults, holding back repeats with "ScanAuto". */
    Outcome send(const QString &text);
    /** Sends to the given host and port (the port rule of ScanSettings applies). */
    Outcome sendTo(const QString &text, const QString &host, qint64 port,
                   bool holdBackRepeats = false);

    [[nodiscard]] const QString &status() const { return m_status; }
    [[nodiscard]] const QString &shownStatus() const { return m_shownStatus; }
    [[nodiscard]] bool failed() const { return m_failed; }

signals:
    void statusChanged();
    /** The datagram left the socket. */
    void sent(const QString &text);
    /** The datagram could not be sent ("Socket error: …"). */
    void sendFailed(const QString &error);

private:
    void setStatus(const UserText &text, bool failed);
    void sendError(long tag, const net::SocketError &error);

    const UserDefaults &m_defaults;
    const Clock &m_clock;
    net::AsyncUdpSocket *m_socket = nullptr;
    long m_nextTag = 0;
    QHash<long, QString> m_pending; // text by tag, until the socket says how it went
    QString m_lastText;
    QDateTime m_lastSent;
    QString m_status;
    QString m_shownStatus;
    bool m_failed = false;
};

} // namespace scanner
