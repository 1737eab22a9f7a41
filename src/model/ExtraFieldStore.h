#pragma once

#include "model/QsoClass.h"

#include <QList>

#include <memory>

namespace db {
class Database;
}

/** The `qso_fields` table of a logbook file: the ADIF fields of each QSO that have no column.
 *  Every function works on a connection the caller opened (and, for writes, usually inside the
 *  caller's transaction). A file that has no such table yet reads as QSOs without such fields. */
namespace extrafieldstore {

/** Fills `extraFields` of QSOs just read (those with an id). False when the table exists but
 *  could not be read. */
bool load(db::Database &database, QList<QsoClass> &qsos);

/** Creates the table (with the file's other additions) when it is missing; false on failure. */
bool ensure(db::Database &database);

/** Stores the fields of QSOs newly inserted, reusing one prepared statement. */
class Inserter {
public:
    explicit Inserter(db::Database &database);
    ~Inserter();
    Inserter(const Inserter &) = delete;
    Inserter &operator=(const Inserter &) = delete;
    /** False when a row could not be stored. */
    bool add(qint64 qso, const ExtraFields &fields);

private:
    struct Statements;
    db::Database &m_database;
    std::unique_ptr<Statements> m_statements;
};

/** Makes the stored fields of a QSO equal to `fields`, touching only the rows that change (so a
 *  synced copy sends only what was edited); false on failure. */
bool replace(db::Database &database, qint64 qso, const ExtraFields &fields);

} // namespace extrafieldstore
