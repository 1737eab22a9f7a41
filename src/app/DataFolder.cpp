#include "app/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

DataFolder DataFolder::resolve(const QStringList &arguments)
{
    static const QString option = QStringLiteral("--data-dir");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        // An empty value (an unset shell variable) would make the working directory the data
        // folder; it counts as not given.
        if (arg == option && i + 1 < arguments.size() && !arguments.at(i + 1).isEmpty())
            return at(arguments.at(i + 1));
        if (arg.startsWith(option + QLatin1Char('=')) && arg.size() > option.size() + 1)
            return at(arg.mid(option.size() + 1));
    }
    const QString home = qEnvironmentVariable("BRINDLEWICK_HOME");
    if (!home.isEmpty())
        return at(home);
    return {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), false};
}

QString DataFolder::filePath(const QString &fileName) const
{
    return QDir(path).filePath(fileName);
}

bool DataFolder::copyResourceIfMissing(const QString &resource, const QString &target) const
{
    const QString file = filePath(target.isEmpty() ? resource : target);
    if (QFile::exists(file))
        return true;
    if (!QFile::copy(QStringLiteral(":/") + resource, file))
        return false;
    // Files copied out of the resources are read-only; a logbook must be writable.
    return QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOwner |
                                           QFileDevice::ReadOwner);
}
