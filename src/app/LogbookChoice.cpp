#include "app/LogbookChoice.h"

#include "app/AppDelegate.h"
#include "app/Notifications.h"
#include "model/LogbookFiles.h"

#include <QDir>
#include <QFile>

namespace logbookchoice {

CreateResult createLogbook(AppDelegate &app, const QString &name, QString *fileName)
{
    if (name.size() < 2)
        return CreateResult::NameTooShort;
    const QString file = logbookfiles::withLogbookSuffix(name);
    if (fileName)
        *fileName = file;
    // Names differing only in case would be one file on many systems and look alike in the list.
    const QStringList existing = QDir(app.dataFolder()).entryList(QDir::Files);
    for (const QString &other : existing)
        if (other.compare(file, Qt::CaseInsensitive) == 0)
            return CreateResult::NameGivenBefore;
    return app.copyResourceIfMissing(QString::fromLatin1(logbookfiles::kEmptyLog), file)
               ? CreateResult::Created
               : CreateResult::CopyFailed;
}

void selectLogbook(AppDelegate &app, const QString &name)
{
    app.defaults().setValue(QStringLiteral("LogDbName"), name);
    app.notifications().post(QString::fromLatin1(notifications::NewLogSelected));
    app.notifications().post(QString::fromLatin1(notifications::DxPrefsWereChanged));
}

DeleteResult deleteLogbook(AppDelegate &app, const QString &name)
{
    const QStringList logbooks = logbookfiles::listLogbooks(app.dataFolder());
    if (!logbooks.contains(name))
        return DeleteResult::NotFound;
    if (logbooks.size() < 2)
        return DeleteResult::LastLogbook;
    if (!QFile::remove(app.documentPath(name)))
        return DeleteResult::Failed;
    if (app.defaults().string(QStringLiteral("LogDbName")) == name) {
        QStringList remaining = logbooks;
        remaining.removeAll(name);
        selectLogbook(app, remaining.first());
    }
    return DeleteResult::Deleted;
}

} // namespace logbookchoice
