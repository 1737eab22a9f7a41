#include "shell/FileHandOff.h"

#include "adif/AdifText.h"
#include "app/Diagnostics.h"
#include "shell/LocalFile.h"

#include <QFile>
#include <QFileInfo>

void FileHandOff::openFile(const QString &pathOrUrl)
{
    const QString path = shell::localPath(pathOrUrl);
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("adi") || extension == QLatin1String("adif")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            diag(QStringLiteral("Error loading ADIF file: %1").arg(file.errorString()));
            return;
        }
        emit adifHanded(adif::decodeAdif(file.readAll()));
    } else if (extension == QLatin1String("rlog")) {
        emit logbookHanded(path);
    }
}
