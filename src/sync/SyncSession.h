#pragma once

#include "sync/LocalReplica.h"
#include "sync/PgConnection.h"

#include <QSet>
#include <QString>

#include <functional>

namespace logsync {

/** What one round of syncing came to. */
struct SyncReport {
    bool ok = false;
    QString error;
    int pushed = 0;     // QSOs and settings sent
    int pulled = 0;     // QSOs and settings whose values a pull changed here
    QSet<int> entities; // entities whose QSOs a pull changed
    QSet<qint64> ids;   // row ids of the QSOs a pull added, changed or deleted
    QString notice;     // worth telling though nothing failed (a server that lost changes)
};

/** One device's copy and its server, synced in blocking rounds: the outbox is pushed page by
 *  page, then the server's stream after the copy's cursor is pulled page by page. Nothing is lost
 *  when the server goes away in between: the outbox keeps what the server has not confirmed and
 *  the cursor only moves with what was applied. Used by the engine's thread and by the CLI. */
class SyncSession {
public:
    /** QSOs per push; rows per pull page, each applied in one transaction of the copy. */
    static constexpr int kPushPage = 2000;
    static constexpr int kPullPage = 10000;

    /** `password` is used when the stored address has none; `nowMs` stamps the changes. */
    SyncSession(QString copyPath, QString password, std::function<qint64()> nowMs);

    /** How long a statement may wait for a silent server (PgConnection::setReplyTimeout). */
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }

    /** Connects to the server the copy names; the reason when it cannot. */
    bool connect(QString *error);
    [[nodiscard]] bool isConnected() const { return m_connection.isOpen(); }
    void disconnect() { m_connection.close(); }
    [[nodiscard]] PgConnection &connection() { return m_connection; }
    [[nodiscard]] LocalReplica &copy() { return m_copy; }
    [[nodiscard]] qint64 logbookId() const { return m_logbookId; }

    /** Connects when needed, checks that the server still holds what this copy pulled last
     *  (else sends it everything again), pushes everything waiting and pulls everything new.
     *  The outcome (time or error) is kept in the copy's state "lastSync" / "lastError". */
    SyncReport run();

private:
    bool checkServer(SyncReport &report);
    bool pushAll(SyncReport &report);
    bool pullAll(SyncReport &report);

    LocalReplica m_copy;
    QString m_password;
    std::function<qint64()> m_nowMs;
    PgConnection m_connection;
    qint64 m_logbookId = 0;
    int m_replyTimeoutMs = PgConnection::kDefaultReplyTimeoutMs;
    bool m_upgraded = false;
};

} // namespace logsync
