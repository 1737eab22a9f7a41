#include "db/Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

namespace db {

Database::Database(Database &&other) noexcept : m_handle(std::exchange(other.m_handle, nullptr))
{}

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

Database::~Database()
{
    close();
}

int Database::open(const QString &path, Mode mode)
{
    close();
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadWriteCreate:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    }
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        close();
        return rc;
    }
    // Another program (or another of our own models) may hold the file for a moment.
    sqlite3_busy_timeout(m_handle, kBusyTimeoutMs);
    return SQLITE_OK;
}

void Database::close()
{
    if (m_handle) {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }
}

bool Database::exec(const QString &sql)
{
    return m_handle &&
           sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Statement Database::prepare(const QString &sql)
{
    sqlite3_stmt *stmt = nullptr;
    if (m_handle) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_handle, utf8.constData(), int(utf8.size()), &stmt, nullptr) !=
            SQLITE_OK) {
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
    }
    return Statement(stmt);
}

QString Database::errorMessage() const
{
    return m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : QStringLiteral("out of memory");
}

int Database::errorCode() const
{
    return m_handle ? sqlite3_errcode(m_handle) & 0xff : SQLITE_NOMEM;
}

QString Database::describe(int resultCode)
{
    return QString::fromUtf8(sqlite3_errstr(resultCode));
}

bool Database::setCacheBytes(qint64 bytes)
{
    // A negative cache_size counts KiB instead of pages.
    return exec(QStringLiteral("PRAGMA cache_size=%1").arg(-std::max<qint64>(1, bytes / 1024)));
}

qint64 Database::lastInsertRowId() const
{
    return m_handle ? sqlite3_last_insert_rowid(m_handle) : 0;
}

int Database::changes() const
{
    return m_handle ? sqlite3_changes(m_handle) : 0;
}

Statement::Statement(Statement &&other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_failed(other.m_failed)
{}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_failed = other.m_failed;
    }
    return *this;
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement &Statement::bind(int index, const QString &text)
{
    if (!m_stmt)
        return *this;
    // Most values of a QSO are short ASCII or empty: those go without a conversion on the heap.
    // An empty text binds '' as before, never NULL.
    constexpr qsizetype kShort = 128;
    if (text.size() <= kShort) {
        char ascii[kShort];
        qsizetype at = 0;
        for (const QChar c : text) {
            if (c.unicode() >= 128)
                break;
            ascii[at++] = char(c.unicode());
        }
        if (at == text.size()) {
            sqlite3_bind_text(m_stmt, index, at == 0 ? "" : ascii, int(at),
                              at == 0 ? SQLITE_STATIC : SQLITE_TRANSIENT);
            return *this;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement &Statement::bind(int index, qint64 value)
{
    if (m_stmt)
        sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement &Statement::bind(int index, double value)
{
    if (m_stmt)
        sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

Statement &Statement::bindNull(int index)
{
    if (m_stmt)
        sqlite3_bind_null(m_stmt, index);
    return *this;
}

Statement &Statement::bindAll(std::initializer_list<QVariant> values)
{
    int index = 1;
    for (const QVariant &value : values) {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
            bind(index, value.toLongLong());
            break;
        case QMetaType::Double:
            bind(index, value.toDouble());
            break;
        default:
            if (value.isNull() && value.typeId() != QMetaType::QString)
                bindNull(index);
            else
                bind(index, value.toString());
        }
        ++index;
    }
    return *this;
}

bool Statement::step()
{
    if (!m_stmt) {
        m_failed = true;
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_failed = rc != SQLITE_DONE;
    return false;
}

bool Statement::run()
{
    while (step()) {
    }
    return !m_failed;
}

void Statement::reset()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_failed = false;
}

int Statement::columnCount() const
{
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

bool Statement::isNull(int column) const
{
    return !m_stmt || sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString Statement::text(int column) const
{
    if (!m_stmt)
        return {};
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

qint64 Statement::int64(int column) const
{
    return m_stmt ? sqlite3_column_int64(m_stmt, column) : 0;
}

double Statement::real(int column) const
{
    return m_stmt ? sqlite3_column_double(m_stmt, column) : 0.0;
}

} // namespace db
