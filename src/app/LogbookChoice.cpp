#include "app/LogbookChoice.h"

#include "app/AppDelegate.h"
#include "app/Notifications.h"
#include "model/LogbookFiles.h"

#include <QFile>

namespace logbookchoice {

CreateResult createLogbook(AppDelegate &app, const QString &name, QString *fileName)
{
    if (name.size() < 2)
        return CreateResult::NameTooShort;
    const QString file = logbookfiles::withLogbookSuffix(name);
    if (fileName)
        *fileName = file;
    if (QFile::exists(app.documentPath(file)))
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
