#include "model/LogbookChoice.h"

#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"

#include <QDir>
#include <QFile>

namespace logbookchoice {

CreateResult createLogbook(const DataFolder &folder, const QString &name, QString *fileName)
{
    if (name.size() < 2)
        return CreateResult::NameTooShort;
    const QString file = logbookfiles::withLogbookSuffix(name);
    if (fileName)
        *fileName = file;
    // Names differing only in case would be one file on many systems and look alike in the list.
    const QStringList existing = QDir(folder.path).entryList(QDir::Files);
    for (const QString &other : existing)
        if (other.compare(file, Qt::CaseInsensitive) == 0)
            return CreateResult::NameGivenBefore;
    return folder.copyResourceIfMissing(QString::fromLatin1(logbookfiles::kEmptyLog), file)
               ? CreateResult::Created
               : CreateResult::CopyFailed;
}

DeleteResult deleteLogbook(const DataFolder &folder, UserDefaults &defaults, LogModel &log,
                           const QString &name)
{
    const QStringList logbooks = logbookfiles::listLogbooks(folder.path);
    if (!logbooks.contains(name))
        return DeleteResult::NotFound;
    if (logbooks.size() < 2)
        return DeleteResult::LastLogbook;
    if (!QFile::remove(folder.filePath(name)))
        return DeleteResult::Failed;
    if (defaults.string(QStringLiteral("LogDbName")) == name) {
        QStringList remaining = logbooks;
        remaining.removeAll(name);
        log.selectLogbook(remaining.first());
    }
    return DeleteResult::Deleted;
}

} // namespace logbookchoice
