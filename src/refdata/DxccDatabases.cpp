#include "refdata/DxccDatabases.h"

#include "app/Diagnostics.h"
#include "db/Database.h"

namespace refdata {
namespace {

bool openLogged(db::Database &database, const QString &path, const char *name)
{
    // Read-only: a missing file must stay missing rather than become an empty database.
    const int rc = database.open(path, db::Database::Mode::ReadOnly);
    if (rc == 0)
        return true;
    diag(QStringLiteral("Failed to open %1: %2").arg(QLatin1String(name)).arg(rc));
    return false;
}

} // namespace

bool openClDB(db::Database &database, const QString &path)
{
    return openLogged(database, path, kClublogDbName);
}

bool openIotaDB(db::Database &database, const QString &path)
{
    return openLogged(database, path, kIotaDbName);
}

} // namespace refdata
