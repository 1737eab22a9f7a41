#include "adif/AdifExport.h"

#include "app/Diagnostics.h"

#include <QDir>
#include <QSaveFile>

namespace adif {

std::optional<QString> writeExportFile(const QString &text, const QString &folder,
                                       const QDateTime &now)
{
    const QString path = QDir(folder).filePath(now.toUTC().toString(QStringLiteral("yyyy-MM-dd")) +
                                               QStringLiteral(".adif"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        diag(QStringLiteral("Error writing temp file: %1").arg(file.errorString()));
        return std::nullopt;
    }
    return path;
}

} // namespace adif
