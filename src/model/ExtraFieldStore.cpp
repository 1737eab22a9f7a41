#include "model/ExtraFieldStore.h"

#include "db/Database.h"
#include "model/LogbookFiles.h"

#include <QHash>

#include <algorithm>

namespace extrafieldstore {
namespace {

/** Up to this many QSOs their fields are looked up one QSO at a time; for more the table is read
 *  once from start to end. */
constexpr qsizetype kLookupLimit = 2000;

const QString kInsert = QStringLiteral("INSERT INTO qso_fields (qso, name, value, type) "
                                       "VALUES (?, ?, ?, ?)");

bool tableExists(db::Database &database)
{
    db::Statement probe = database.prepare(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'qso_fields'"));
    return probe.step();
}

void take(const db::Statement &row, int first, QsoClass &qso)
{
    qso.extraFields.set(row.text(first), row.text(first + 1), row.text(first + 2));
}

bool loadEach(db::Database &database, QList<QsoClass> &qsos)
{
    db::Statement select =
        database.prepare(QStringLiteral("SELECT name, value, type FROM qso_fields WHERE qso = ?"));
    for (QsoClass &qso : qsos) {
        if (!qso.id)
            continue;
        select.reset();
        select.bind(1, *qso.id);
        while (select.step())
            take(select, 0, qso);
        if (select.failed())
            return false;
    }
    return true;
}

bool loadAll(db::Database &database, QList<QsoClass> &qsos)
{
    QHash<qint64, qsizetype> index;
    index.reserve(qsos.size());
    for (qsizetype i = 0; i < qsos.size(); ++i)
        if (qsos.at(i).id)
            index.insert(*qsos.at(i).id, i);
    db::Statement select =
        database.prepare(QStringLiteral("SELECT qso, name, value, type FROM qso_fields"));
    while (select.step()) {
        const auto found = index.constFind(select.int64(0));
        if (found != index.cend())
            take(select, 1, qsos[*found]);
    }
    return !select.failed();
}

} // namespace

bool load(db::Database &database, QList<QsoClass> &qsos)
{
    if (qsos.isEmpty() || !tableExists(database))
        return true;
    return qsos.size() <= kLookupLimit ? loadEach(database, qsos) : loadAll(database, qsos);
}

bool ensure(db::Database &database)
{
    return tableExists(database) || logbookfiles::addMissingParts(database);
}

struct Inserter::Statements {
    db::Statement insert;
};

Inserter::Inserter(db::Database &database) : m_database(database)
{}

Inserter::~Inserter() = default;

bool Inserter::add(qint64 qso, const ExtraFields &fields)
{
    if (fields.isEmpty())
        return true;
    if (!m_statements)
        m_statements = std::make_unique<Statements>(Statements{m_database.prepare(kInsert)});
    db::Statement &insert = m_statements->insert;
    for (const ExtraField &field : fields) {
        insert.reset();
        insert.bind(1, qso).bind(2, field.name).bind(3, field.value).bind(4, field.type);
        if (!insert.run())
            return false;
    }
    return true;
}

bool replace(db::Database &database, qint64 qso, const ExtraFields &fields)
{
    if (!fields.isEmpty() && !ensure(database))
        return false;
    QList<QsoClass> stored(1);
    stored[0].id = qso;
    if (!load(database, stored))
        return false;
    for (const ExtraField &old : stored.constFirst().extraFields) {
        if (fields.contains(old.name))
            continue;
        db::Statement remove =
            database.prepare(QStringLiteral("DELETE FROM qso_fields WHERE qso = ? AND name = ?"));
        remove.bind(1, qso).bind(2, old.name);
        if (!remove.run())
            return false;
    }
    for (const ExtraField &field : fields) {
        const QList<ExtraField> &before = stored.constFirst().extraFields.list();
        if (std::find(before.cbegin(), before.cend(), field) != before.cend())
            continue;
        db::Statement upsert = database.prepare(
            kInsert + QStringLiteral(" ON CONFLICT (qso, name) DO UPDATE SET value = "
                                     "excluded.value, type = excluded.type"));
        upsert.bind(1, qso).bind(2, field.name).bind(3, field.value).bind(4, field.type);
        if (!upsert.run())
            return false;
    }
    return true;
}

} // namespace extrafieldstore
