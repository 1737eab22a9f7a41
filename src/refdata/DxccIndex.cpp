#include "refdata/DxccIndex.h"

#include "db/Database.h"
#include "refdata/DxccDatabases.h"
#include "refdata/SqlDxccSource.h"

namespace refdata {
namespace {

void readPeriods(db::Database &database, const QString &sql, TextMap<std::vector<PeriodRow>> &rows)
{
    db::Statement statement = database.prepare(sql);
    while (statement.step()) {
        if (statement.isNull(0) || statement.isNull(2) || statement.isNull(3))
            continue;
        const QString key = statement.text(0);
        rows[std::u16string(textKey(key))].push_back(
            {qint32(statement.int64(1)), statement.text(2), statement.text(3)});
    }
}

} // namespace

std::shared_ptr<const ClublogTables> ClublogTables::read(const QString &path)
{
    db::Database database;
    if (!openClDB(database, path))
        return nullptr;
    auto tables = std::make_shared<ClublogTables>();
    // rowid order is the order a query without "order by" returns the rows in.
    readPeriods(database,
                QStringLiteral("select callsign,adif,start,end from callsigns order by rowid"),
                tables->callsigns);
    readPeriods(database,
                QStringLiteral("select prefix,adif,start,end from prefixes order by rowid"),
                tables->prefixes);
    readPeriods(database, QStringLiteral("select callsign,0,start,end from invalid order by rowid"),
                tables->invalid);

    db::Statement entities = database.prepare(QStringLiteral("select * from dxcc order by rowid"));
    while (entities.step()) {
        const CountryClass country = SqlDxccSource::entityFromRow(entities);
        if (!entities.isNull(7) && !tables->entityByAdif.contains(entities.int64(7)))
            tables->entityByAdif.insert(entities.int64(7), country);
        if (!entities.isNull(1) && !tables->entityByPrefix.contains(country.dxcc))
            tables->entityByPrefix.insert(country.dxcc, country);
    }
    db::Statement zones =
        database.prepare(QStringLiteral("select adif,itu from itu order by rowid"));
    while (zones.step())
        if (!zones.isNull(0) && !tables->itu.contains(zones.int64(0)))
            tables->itu.insert(zones.int64(0), int(zones.int64(1)));
    return tables;
}

std::shared_ptr<const IotaTables> IotaTables::read(const QString &path)
{
    db::Database database;
    if (!openIotaDB(database, path))
        return nullptr;
    auto tables = std::make_shared<IotaTables>();
    db::Statement islands =
        database.prepare(QStringLiteral("select dxcc,reference from islands order by rowid"));
    while (islands.step())
        if (!islands.isNull(0) && !tables->referenceByAdif.contains(islands.int64(0)))
            tables->referenceByAdif.insert(islands.int64(0), islands.text(1));
    return tables;
}

} // namespace refdata
