#include "refdata/SqlDxccSource.h"

#include "db/Database.h"
#include "geo/Locator.h"
#include "refdata/DxccDatabases.h"

SqlDxccSource::SqlDxccSource(QString clublogPath, QString iotaPath)
    : m_clublogPath(std::move(clublogPath)), m_iotaPath(std::move(iotaPath))
{}

CountryClass SqlDxccSource::entityFromRow(const db::Statement &row)
{
    CountryClass country;
    country.cntry = row.text(0);
    country.dxcc = row.text(1);
    country.deleted = row.int64(2) != 0;
    country.cq = int(row.int64(3));
    country.cnt = row.text(4);
    country.locator = geo::getLocator({row.real(6), row.real(5)});
    country.adif = qint32(row.int64(7));
    return country;
}

QList<CallException> SqlDxccSource::periodRows(const QString &sql, QStringView key,
                                               const QString &dateTime)
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return {};
    db::Statement statement = database.prepare(sql);
    statement.bind(1, key.toString()).bind(2, dateTime).bind(3, dateTime);
    QList<CallException> rows;
    while (statement.step())
        rows.append(
            {key.toString(), qint32(statement.int64(0)), statement.text(1), statement.text(2)});
    return rows;
}

QList<CallException> SqlDxccSource::callsignsAt(QStringView callsign, const QString &dateTime)
{
    return periodRows(QStringLiteral("select adif,start,end from callsigns where callsign=? and "
                                     "start<=? and end>=?"),
                      callsign, dateTime);
}

QList<CallException> SqlDxccSource::prefixesAt(QStringView prefix, const QString &dateTime)
{
    return periodRows(QStringLiteral("select adif,start,end from prefixes where prefix=? and "
                                     "start<=? and end>=?"),
                      prefix, dateTime);
}

int SqlDxccSource::invalidCountAt(const QString &callsign, const QString &dateTime)
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return 0;
    db::Statement statement = database.prepare(
        QStringLiteral("select count() from invalid where callsign=? and start <= ? and end >= ?"));
    statement.bind(1, callsign).bind(2, dateTime).bind(3, dateTime);
    return statement.step() ? int(statement.int64(0)) : 0;
}

std::optional<CountryClass> SqlDxccSource::entityByAdif(qint64 adif)
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return std::nullopt;
    db::Statement statement = database.prepare(QStringLiteral("select * from dxcc where adif=?"));
    statement.bind(1, adif);
    return statement.step() ? std::optional(entityFromRow(statement)) : std::nullopt;
}

std::optional<CountryClass> SqlDxccSource::entityByPrefix(const QString &prefix)
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return std::nullopt;
    db::Statement statement = database.prepare(QStringLiteral("select * from dxcc where prefix=?"));
    statement.bind(1, prefix);
    return statement.step() ? std::optional(entityFromRow(statement)) : std::nullopt;
}

int SqlDxccSource::ituOf(qint64 adif)
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return 0;
    db::Statement statement = database.prepare(QStringLiteral("select itu from itu where adif=?"));
    statement.bind(1, adif);
    return statement.step() ? int(statement.int64(0)) : 0;
}

QString SqlDxccSource::iotaOf(qint64 adif)
{
    db::Database database;
    if (!refdata::openIotaDB(database, m_iotaPath))
        return {};
    db::Statement statement =
        database.prepare(QStringLiteral("select reference from islands where dxcc=?"));
    statement.bind(1, adif);
    return statement.step() ? statement.text(0) : QString();
}

QList<CountryClass> SqlDxccSource::allEntities()
{
    db::Database database;
    if (!refdata::openClDB(database, m_clublogPath))
        return {};
    db::Statement statement =
        database.prepare(QStringLiteral("select * from dxcc order by prefix"));
    QList<CountryClass> entities;
    while (statement.step()) {
        CountryClass country;
        country.dxcc = statement.text(1);
        country.cntry = statement.text(0);
        country.deleted = statement.int64(2) != 0;
        country.cnt = statement.text(4);
        country.adif = qint32(statement.int64(7));
        entities.append(country);
    }
    return entities;
}

QStringList SqlDxccSource::allStates()
{
    db::Database database;
    if (!refdata::openIotaDB(database, m_iotaPath))
        return {};
    db::Statement statement =
        database.prepare(QStringLiteral("select distinct state from counties order by state"));
    QStringList states;
    while (statement.step())
        states.append(statement.text(0));
    return states;
}

QStringList SqlDxccSource::countiesOf(const QString &state)
{
    db::Database database;
    if (!refdata::openIotaDB(database, m_iotaPath))
        return {};
    db::Statement statement = database.prepare(
        QStringLiteral("select county from counties where state=? order by county"));
    statement.bind(1, state);
    QStringList counties = {QStringLiteral("??")}; // the pickers' "not chosen" row
    while (statement.step())
        counties.append(statement.text(0));
    return counties;
}
