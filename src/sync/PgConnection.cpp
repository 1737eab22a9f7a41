#include "sync/PgConnection.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <libpq-fe.h>

#include <cerrno>
#include <poll.h>

#include <utility>

namespace logsync {

namespace {

/** The server's own words ("not a member of logbook 3") rather than libpq's whole report with
 *  its "ERROR:" prefix and context lines. */
QString messageOf(const PGresult *result, const pg_conn *connection)
{
    if (result != nullptr) {
        if (const char *primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY))
            return QString::fromUtf8(primary);
        const QString text = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
        if (!text.isEmpty())
            return text;
    }
    if (connection != nullptr)
        return QString::fromUtf8(PQerrorMessage(connection)).trimmed();
    return QStringLiteral("no connection to the sync server");
}

/** Notices ("relation already exists, skipping") are routine; warnings are worth a line. */
void receiveNotice(void *, const PGresult *result)
{
    const char *severity = PQresultErrorField(result, PG_DIAG_SEVERITY_NONLOCALIZED);
    if (severity != nullptr && qstrcmp(severity, "WARNING") == 0)
        qWarning("Sync server: %s", PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY));
}

/** libpq gives "" for an empty value; a QString made from it must still be non-null, since a
 *  null QString stands for SQL NULL. */
QString textValue(const char *data, int length)
{
    QString value = QString::fromUtf8(data, length);
    if (value.isNull())
        value = QString(0, QChar());
    return value;
}

/** Each row's values as text; SQL NULL is a null QString. */
QList<QStringList> rowsOf(const PGresult *reply)
{
    QList<QStringList> rows;
    const int rowCount = PQntuples(reply);
    const int columnCount = PQnfields(reply);
    rows.reserve(rowCount);
    for (int row = 0; row < rowCount; ++row) {
        QStringList values;
        values.reserve(columnCount);
        for (int column = 0; column < columnCount; ++column)
            values.append(
                PQgetisnull(reply, row, column)
                    ? QString()
                    : textValue(PQgetvalue(reply, row, column), PQgetlength(reply, row, column)));
        rows.append(std::move(values));
    }
    return rows;
}

} // namespace

PgConnection::PgConnection(PgConnection &&other) noexcept
    : m_conn(std::exchange(other.m_conn, nullptr)), m_replyTimeoutMs(other.m_replyTimeoutMs)
{}

PgConnection &PgConnection::operator=(PgConnection &&other) noexcept
{
    if (this != &other) {
        close();
        m_conn = std::exchange(other.m_conn, nullptr);
        m_replyTimeoutMs = other.m_replyTimeoutMs;
    }
    return *this;
}

PgConnection::~PgConnection()
{
    close();
}

bool PgConnection::open(const QString &connectionText, QString *error)
{
    close();
    pg_conn *connection = PQconnectdb(connectionText.toUtf8().constData());
    if (connection == nullptr) {
        if (error)
            *error = QStringLiteral("out of memory");
        return false;
    }
    if (PQstatus(connection) != CONNECTION_OK) {
        // libpq's message names the host and the reason, never the password.
        if (error)
            *error = messageOf(nullptr, connection);
        PQfinish(connection);
        return false;
    }
    if (PQsetClientEncoding(connection, "UTF8") != 0) {
        if (error)
            *error = messageOf(nullptr, connection);
        PQfinish(connection);
        return false;
    }
    PQsetNoticeReceiver(connection, receiveNotice, nullptr);
    // Statements are sent without blocking, so a server that stops reading cannot hold a large
    // push forever (see exec()).
    if (PQsetnonblocking(connection, 1) != 0) {
        if (error)
            *error = messageOf(nullptr, connection);
        PQfinish(connection);
        return false;
    }
    m_conn = connection;
    return true;
}

bool PgConnection::isOpen() const
{
    return m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK;
}

void PgConnection::close()
{
    if (m_conn != nullptr)
        PQfinish(std::exchange(m_conn, nullptr));
}

bool PgConnection::waitFor(bool writing)
{
    // The server must show signs of life within the limit: a server process that stops (or a
    // network that swallows everything) ends the statement instead of holding the sync forever.
    pollfd fd{PQsocket(m_conn), short(writing ? POLLIN | POLLOUT : POLLIN), 0};
    for (;;) {
        const int ready = ::poll(&fd, 1, m_replyTimeoutMs);
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

PgConnection::Result PgConnection::exec(const QString &sql, const QStringList &params)
{
    Result result;
    if (m_conn == nullptr) {
        result.error = messageOf(nullptr, nullptr);
        return result;
    }
    int sent = 0;
    if (params.isEmpty()) {
        // The simple protocol: a script of several statements (the schema) runs as one.
        sent = PQsendQuery(m_conn, sql.toUtf8().constData());
    } else {
        QList<QByteArray> bytes;
        QList<const char *> values;
        bytes.reserve(params.size());
        values.reserve(params.size());
        for (const QString &param : params) {
            bytes.append(param.toUtf8());
            values.append(param.isNull() ? nullptr : bytes.last().constData());
        }
        sent = PQsendQueryParams(m_conn, sql.toUtf8().constData(), int(values.size()), nullptr,
                                 values.constData(), nullptr, nullptr, 0);
    }
    const auto broken = [this, &result](const QString &why) {
        result.ok = false;
        result.rows.clear();
        result.error = why;
        // Nothing more can be read from this connection: the next round opens another.
        close();
        return result;
    };
    if (sent != 1)
        return broken(messageOf(nullptr, m_conn));
    const QString silent =
        QStringLiteral("the sync server did not answer within %1 s").arg(m_replyTimeoutMs / 1000.0);
    // Large pushes go out in parts as the server takes them.
    for (int flushed = PQflush(m_conn); flushed != 0; flushed = PQflush(m_conn)) {
        if (flushed < 0)
            return broken(messageOf(nullptr, m_conn));
        if (!waitFor(true))
            return broken(silent);
        if (PQconsumeInput(m_conn) != 1)
            return broken(messageOf(nullptr, m_conn));
    }
    bool failed = false;
    for (;;) {
        while (PQisBusy(m_conn) == 1) {
            if (!waitFor(false))
                return broken(silent);
            if (PQconsumeInput(m_conn) != 1)
                return broken(messageOf(nullptr, m_conn));
        }
        PGresult *reply = PQgetResult(m_conn);
        if (reply == nullptr)
            break;
        const ExecStatusType status = PQresultStatus(reply);
        if (failed) {
            // Only the first failure of a script is worth telling.
        } else if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
            result.ok = true;
            result.rows = rowsOf(reply);
        } else {
            failed = true;
            result.ok = false;
            result.rows.clear();
            result.error = messageOf(reply, m_conn);
        }
        PQclear(reply);
    }
    if (!failed && !result.ok)
        result.error = messageOf(nullptr, m_conn);
    return result;
}

bool PgConnection::listen(const QString &channel, QString *error)
{
    if (m_conn == nullptr) {
        if (error)
            *error = messageOf(nullptr, nullptr);
        return false;
    }
    // A channel is a name, which LISTEN cannot take as a parameter: quote it as one.
    const QByteArray name = channel.toUtf8();
    char *quoted = PQescapeIdentifier(m_conn, name.constData(), size_t(name.size()));
    if (quoted == nullptr) {
        if (error)
            *error = messageOf(nullptr, m_conn);
        return false;
    }
    const QString statement = QStringLiteral("LISTEN ") + QString::fromUtf8(quoted);
    PQfreemem(quoted);
    const Result result = exec(statement);
    if (!result.ok && error)
        *error = result.error;
    return result.ok;
}

int PgConnection::socket() const
{
    return m_conn != nullptr ? PQsocket(m_conn) : -1;
}

QStringList PgConnection::takeNotifications(bool *alive)
{
    QStringList channels;
    bool ok = m_conn != nullptr && PQconsumeInput(m_conn) == 1 && PQstatus(m_conn) == CONNECTION_OK;
    if (m_conn != nullptr) {
        // Notifications that arrived during exec() wait in libpq's queue: take those too.
        while (PGnotify *notice = PQnotifies(m_conn)) {
            channels.append(QString::fromUtf8(notice->relname));
            PQfreemem(notice);
        }
    }
    if (alive)
        *alive = ok;
    return channels;
}

} // namespace logsync
