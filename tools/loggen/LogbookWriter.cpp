#include "loggen/LogbookWriter.h"

#include "db/Database.h"
#include "loggen/QsoGenerator.h"
#include "model/LogbookFiles.h"
#include "model/QsoRow.h"

#include <QFile>
#include <QStringList>

namespace loggen {
namespace {

struct Index {
    QString name;
    QString sql;
};

QString insertStatement()
{
    QStringList placeholders(qsorow::kInsertColumnCount, QStringLiteral("?"));
    return QStringLiteral("INSERT INTO logbook (") + QLatin1String(qsorow::kInsertColumns) +
           QStringLiteral(") VALUES (") + placeholders.join(QLatin1Char(',')) + QLatin1Char(')');
}

/** The template's indexes, dropped for the bulk insert: filling a table and indexing it
 *  afterwards is several times faster than keeping eight indexes up to date row by row. */
QList<Index> dropIndexes(db::Database &database)
{
    QList<Index> indexes;
    db::Statement select = database.prepare(QStringLiteral(
        "select name, sql from sqlite_master where type='index' and sql is not null"));
    while (select.step())
        indexes.append({select.text(0), select.text(1)});
    select = {};
    for (const Index &index : indexes)
        database.exec(QStringLiteral("drop index \"%1\"").arg(index.name));
    return indexes;
}

bool fill(db::Database &database, QsoGenerator &qsos, qint64 count)
{
    // Durability is pointless for a file that is simply made again after a crash.
    database.exec(QStringLiteral("pragma synchronous=off"));
    const QList<Index> indexes = dropIndexes(database);
    if (!database.exec(QStringLiteral("begin")))
        return false;
    db::Statement insert = database.prepare(insertStatement());
    for (qint64 i = 0; i < count; ++i) {
        insert.reset();
        qsorow::bindInsertValues(insert, qsos.next(), formats::DateStyle::Short);
        if (!insert.run())
            return false;
    }
    insert = {};
    if (!database.exec(QStringLiteral("commit")))
        return false;
    for (const Index &index : indexes)
        if (!database.exec(index.sql))
            return false;
    return true;
}

} // namespace

bool writeLogbook(const QString &path, QsoGenerator &qsos, qint64 count, QString *error)
{
    if (QFile::exists(path)) {
        *error = QStringLiteral("%1 exists already; remove it first").arg(path);
        return false;
    }
    const QString emptyLog = QStringLiteral(":/") + QLatin1String(logbookfiles::kEmptyLog);
    if (!QFile::copy(emptyLog, path)) {
        *error = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    // Files copied out of the resources are read-only.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);

    db::Database database;
    bool written = database.open(path, db::Database::Mode::ReadWrite) == 0;
    written = written && fill(database, qsos, count);
    if (!written)
        *error = QStringLiteral("cannot write %1: %2").arg(path, database.errorMessage());
    database.close();
    if (!written)
        QFile::remove(path);
    return written;
}

} // namespace loggen
