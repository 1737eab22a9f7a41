#pragma once

#include "db/Database.h"

namespace logsync {

/** A write transaction on the copy, taking the write lock at its start (so two writers wait for
 *  each other instead of failing half-way); rolled back unless committed. */
class ReplicaTransaction {
public:
    explicit ReplicaTransaction(db::Database &database)
        : m_database(database), m_open(database.exec(QStringLiteral("BEGIN IMMEDIATE TRANSACTION")))
    {}
    ReplicaTransaction(const ReplicaTransaction &) = delete;
    ReplicaTransaction &operator=(const ReplicaTransaction &) = delete;
    ~ReplicaTransaction()
    {
        if (m_open)
            m_database.exec(QStringLiteral("ROLLBACK TRANSACTION"));
    }

    [[nodiscard]] bool isOpen() const { return m_open; }
    bool commit()
    {
        if (!m_open || !m_database.exec(QStringLiteral("COMMIT TRANSACTION")))
            return false;
        m_open = false;
        return true;
    }

private:
    db::Database &m_database;
    bool m_open;
};

} // namespace logsync
