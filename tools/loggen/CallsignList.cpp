#include "loggen/CallsignList.h"

#include <QDir>
#include <QFile>

namespace loggen {

std::optional<QStringList> readCallsignList(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("cannot read the callsign list %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QStringList calls;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed().toUpper();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.contains(QLatin1Char(' ')))
            continue;
        calls.append(line);
    }
    if (calls.isEmpty()) {
        *error = QStringLiteral("the callsign list %1 holds no callsign").arg(path);
        return std::nullopt;
    }
    return calls;
}

QString fetchedMasterScp()
{
    QString cache = qEnvironmentVariable("BRINDLEWICK_DATA_CACHE");
    if (cache.isEmpty())
        cache = QStringLiteral(BRINDLEWICK_SOURCE_DIR "/.cache/debian");
    return QDir(cache).filePath(
        QStringLiteral("hamradio-files/usr/share/hamradio-files/MASTER.SCP"));
}

} // namespace loggen
