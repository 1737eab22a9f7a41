#pragma once

#include "contest/ContactMessage.h"

#include <QHash>
#include <QObject>

class LogModel;
class UserDefaults;
struct QsoChange;

namespace net {
class AsyncUdpSocket;
}

/** Sends each contact logged, changed or deleted in the current logbook as a UDP datagram
 *  (`contactinfo`, `contactreplace`, `contactdelete`), for scoreboards, band maps and other
 *  contest tools. Off unless "ContactBroadcastOn" is set; the address is
 *  "ContactBroadcastHost" (127.0.0.1) and "ContactBroadcastPort" (12060). QSOs brought in by the
 *  synced logbook are not sent again: the device that logged them does that. */
class ContactBroadcast : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 12060;

    ContactBroadcast(LogModel &log, const UserDefaults &defaults, QObject *parent = nullptr);
    ~ContactBroadcast() override;

    /** A QSO already in the logbook whose later change or deletion is to be sent (the QSOs of
     *  the contest session at start-up). */
    void remember(const QsoClass &qso);

    [[nodiscard]] bool isOn() const;
    [[nodiscard]] QString host() const;
    [[nodiscard]] quint16 port() const;

    /** The lasting identity of a QSO in the datagrams: 32 hex digits from the logbook and row. */
    [[nodiscard]] QString contactId(qint64 id) const;

signals:
    /** A datagram was handed to the socket (for the settings screen and tests). */
    void sent(const QByteArray &datagram);

private:
    void takeChange(const QsoChange &change);
    void send(const QByteArray &datagram);

    LogModel &m_log;
    const UserDefaults &m_defaults;
    std::unique_ptr<net::AsyncUdpSocket> m_socket;
    QHash<qint64, QsoClass> m_known;
    contactmessage::Station m_station;
};
