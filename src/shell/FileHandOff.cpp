#include "shell/FileHandOff.h"

#include "shell/LocalFile.h"

#include <QFileInfo>

void FileHandOff::openFile(const QString &pathOrUrl)
{
    const QString path = shell::localPath(pathOrUrl);
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("adi") || extension == QLatin1String("adif")) {
        emit adifHanded(path);
    } else if (extension == QLatin1String("rlog")) {
        emit logbookHanded(path);
    }
}
