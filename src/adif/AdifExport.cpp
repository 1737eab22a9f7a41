#include "adif/AdifExport.h"

#include "app/Diagnostics.h"
#include "db/SafeWrite.h"

#include <QDir>

namespace adif {

std::optional<QString> writeExportFile(const QString &text, const QString &folder,
                                       const QDateTime &now)
{
    const QString path = QDir(folder).filePath(now.toUTC().toString(QStringLiteral("yyyy-MM-dd")) +
                                               QStringLiteral(".adif"));
    if (QString error; !safewrite::writeFile(path, text.toUtf8(), &error)) {
        diag(QStringLiteral("Error writing temp file: %1").arg(error));
        return std::nullopt;
    }
    return path;
}

} // namespace adif
