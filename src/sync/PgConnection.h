#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct pg_conn;

namespace logsync {

/** One libpq connection to the sync server. Statements are sent with their values as
 *  parameters, never pasted into SQL. A server that goes silent for longer than the reply
 *  time-out ends the statement with an error and closes the connection. Lives on one thread. */
class PgConnection {
public:
    PgConnection() = default;
    PgConnection(PgConnection &&other) noexcept;
    PgConnection &operator=(PgConnection &&other) noexcept;
    PgConnection(const PgConnection &) = delete;
    PgConnection &operator=(const PgConnection &) = delete;
    ~PgConnection();

    /** Connects with what serveraddress::connectionText() made of the user's URL; the server's
     *  message in `error` when it fails (never the password). */
    bool open(const QString &connectionText, QString *error);
    [[nodiscard]] bool isOpen() const;
    void close();

    static constexpr int kDefaultReplyTimeoutMs = 60'000;
    /** How long a statement may wait for the server without a byte going either way. */
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }

    struct Result {
        bool ok = false;
        QString error;
        /** Each row's values as text; SQL NULL is a null QString. */
        QList<QStringList> rows;
    };
    /** Runs one statement with $1, $2, … bound to `params` (a null QString binds NULL). Without
     *  params the text may be a script of several statements, run as one transaction (the rows
     *  are the last statement's). */
    Result exec(const QString &sql, const QStringList &params = {});

    /** LISTEN on a channel; notifications then arrive on socket(). */
    bool listen(const QString &channel, QString *error);
    /** The connection's socket, for a QSocketNotifier; -1 when closed. */
    [[nodiscard]] int socket() const;
    /** Reads what arrived on the socket: the channels notified since the last call (also those
     *  that arrived while exec() waited for a reply). False in `alive` when the connection
     *  broke. */
    QStringList takeNotifications(bool *alive = nullptr);

private:
    /** Waits until the socket can be read (or written); false after the reply time-out. */
    bool waitFor(bool writing);

    pg_conn *m_conn = nullptr;
    int m_replyTimeoutMs = kDefaultReplyTimeoutMs;
};

} // namespace logsync
