#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Statement;

/** One open SQLite connection; closed when the object goes away. Every logbook and reference
 *  database is opened for one operation and closed again, so instances are short-lived. */
class Database {
public:
    enum class Mode { ReadWriteCreate, ReadWrite, ReadOnly };

    Database() = default;
    Database(Database &&other) noexcept;
    Database &operator=(Database &&other) noexcept;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    /** Opens the file; on failure the result code is returned and the handle is closed. A
     *  connection waits up to kBusyTimeoutMs for another one's lock before a statement fails. */
    int open(const QString &path, Mode mode = Mode::ReadWriteCreate);
    static constexpr int kBusyTimeoutMs = 5000;
    /** SQLite's English text for a result code (what open() returns). */
    [[nodiscard]] static QString describe(int resultCode);
    [[nodiscard]] bool isOpen() const { return m_handle != nullptr; }
    void close();

    /** Runs statements without parameters; false on failure (see errorMessage()). */
    bool exec(const QString &sql);
    [[nodiscard]] Statement prepare(const QString &sql);
    [[nodiscard]] QString errorMessage() const;
    /** SQLite's primary result code of the last failed call (SQLITE_BUSY, SQLITE_NOTADB, …). */
    [[nodiscard]] int errorCode() const;
    [[nodiscard]] qint64 lastInsertRowId() const;
    /** Lets this connection keep up to that many bytes of pages in memory (SQLite's default is
     *  2 MB); for as long as it is open. */
    bool setCacheBytes(qint64 bytes);
    [[nodiscard]] int changes() const;

private:
    sqlite3 *m_handle = nullptr;
};

/** A prepared statement with values bound by position (1-based, as SQLite counts). */
class Statement {
public:
    Statement() = default;
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    [[nodiscard]] bool isValid() const { return m_stmt != nullptr; }

    Statement &bind(int index, const QString &text);
    Statement &bind(int index, qint64 value);
    Statement &bind(int index, int value) { return bind(index, static_cast<qint64>(value)); }
    Statement &bind(int index, double value);
    Statement &bindNull(int index);
    /** Binds every value in order, starting at position 1. */
    Statement &bindAll(std::initializer_list<QVariant> values);

    /** Advances to the next row; false at the end or on error (see failed()). */
    bool step();
    /** Runs a statement that returns no rows; true when it completed. */
    bool run();
    void reset();
    [[nodiscard]] bool failed() const { return m_failed; }

    [[nodiscard]] int columnCount() const;
    [[nodiscard]] bool isNull(int column) const;
    [[nodiscard]] QString text(int column) const;
    [[nodiscard]] qint64 int64(int column) const;
    [[nodiscard]] double real(int column) const;

private:
    friend class Database;
    explicit Statement(sqlite3_stmt *stmt) : m_stmt(stmt) {}

    sqlite3_stmt *m_stmt = nullptr;
    bool m_failed = false;
};

} // namespace db
