#include "refdata/ClublogDbInfo.h"

#include "db/Database.h"
#include "refdata/DxccDatabases.h"

namespace refdata {

QList<std::pair<QString, qint64>> clublogRowCounts(const QString &path)
{
    db::Database database;
    if (!openClDB(database, path))
        return {};
    QList<std::pair<QString, qint64>> counts;
    // Table names come from this fixed list, never from input.
    for (const char *table : {"dxcc", "prefixes", "callsigns", "invalid", "itu"}) {
        db::Statement statement =
            database.prepare(QStringLiteral("select count() from %1").arg(QLatin1String(table)));
        counts.append({QLatin1String(table), statement.step() ? statement.int64(0) : 0});
    }
    return counts;
}

} // namespace refdata
