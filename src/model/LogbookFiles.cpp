#include "model/LogbookFiles.h"

#include "db/Database.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace logbookfiles {
namespace {

QString prefsValue(db::Database &database, const char *entry)
{
    db::Statement select = database.prepare(QStringLiteral("select * from prefs where entry=?"));
    select.bind(1, QString::fromLatin1(entry));
    return select.step() ? select.text(1) : QString();
}

} // namespace

bool isLogbook(const QString &path)
{
    db::Database database;
    if (database.open(path, db::Database::Mode::ReadOnly) != 0)
        return false;
    if (prefsValue(database, "appname") != QLatin1String("Morvalen"))
        return false;
    bool ok = false;
    const int version = prefsValue(database, "dbversion").toInt(&ok);
    return ok && version >= 2 && version <= 4;
}

QStringList listLogbooks(const QString &folder)
{
    const QDir root(folder);
    QStringList names;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.toLower().endsWith(QLatin1String(".rlog")) && isLogbook(path))
            names << root.relativeFilePath(path);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

QString withLogbookSuffix(const QString &name)
{
    return name.toLower().endsWith(QLatin1String(".rlog")) ? name : name + QStringLiteral(".rlog");
}

} // namespace logbookfiles
