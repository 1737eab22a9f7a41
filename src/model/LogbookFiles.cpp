#include "model/LogbookFiles.h"

#include "db/Database.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>

namespace logbookfiles {
namespace {

constexpr char kAppNameEntry[] = "appname";
constexpr char kVersionEntry[] = "dbversion";

QString prefsValue(db::Database &database, const char *entry)
{
    db::Statement select = database.prepare(QStringLiteral("select * from prefs where entry=?"));
    select.bind(1, QString::fromLatin1(entry));
    return select.step() ? select.text(1) : QString();
}

} // namespace

bool addMissingParts(db::Database &database)
{
    QFile sql(QStringLiteral(":/LogbookAdditions.sql"));
    if (!identityProblem(database).isEmpty() || !sql.open(QIODevice::ReadOnly))
        return false;
    // A savepoint works inside a caller's transaction as well as on its own.
    if (!database.exec(QStringLiteral("savepoint additions")))
        return false;
    if (database.exec(QString::fromUtf8(sql.readAll())))
        return database.exec(QStringLiteral("release additions"));
    database.exec(QStringLiteral("rollback to additions; release additions"));
    return false;
}

QString identityProblem(db::Database &database)
{
    if (prefsValue(database, kAppNameEntry) != QLatin1String("Morvalen"))
        return QStringLiteral("no appname entry of this program");
    bool ok = false;
    const int version = prefsValue(database, kVersionEntry).toInt(&ok);
    if (!ok || version < 2 || version > 4)
        return QStringLiteral("unknown dbversion");
    return {};
}

bool isLogbook(const QString &path)
{
    db::Database database;
    if (database.open(path, db::Database::Mode::ReadOnly) != 0)
        return false;
    return identityProblem(database).isEmpty();
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

namespace {

constexpr char kEmptyName[] = QT_TRANSLATE_NOOP("LogbookFiles", "A logbook name cannot be empty");
constexpr char kNotAName[] = QT_TRANSLATE_NOOP(
    "LogbookFiles",
    "Not a logbook name: %1 (a logbook name is a file name, without \"/\", \"\\\" or \"..\")");

QString nameError(const QString &name, QString (*text)(const char *))
{
    if (name.trimmed().isEmpty())
        return text(kEmptyName);
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")))
        return text(kNotAName).arg(name);
    return {};
}

} // namespace

QString logbookNameError(const QString &name)
{
    return nameError(name, [](const char *text) { return QString::fromUtf8(text); });
}

QString shownLogbookNameError(const QString &name)
{
    return nameError(
        name, [](const char *text) { return QCoreApplication::translate("LogbookFiles", text); });
}

bool identifiesLogbook(const QString &entry)
{
    const QString trimmed = entry.trimmed();
    return trimmed.compare(QLatin1String(kAppNameEntry), Qt::CaseInsensitive) == 0 ||
           trimmed.compare(QLatin1String(kVersionEntry), Qt::CaseInsensitive) == 0;
}

QString withLogbookSuffix(const QString &name)
{
    return name.toLower().endsWith(QLatin1String(".rlog")) ? name : name + QStringLiteral(".rlog");
}

} // namespace logbookfiles
