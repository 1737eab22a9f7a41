#include "root/Startup.h"

#include "app/Diagnostics.h"
#include "refdata/ModesList.h"
#include "root/AppDelegate.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <ctime>

namespace startup {

void useUtcTimeZone()
{
    qputenv("TZ", QByteArrayLiteral("UTC"));
    tzset();
}

void refreshModesList(const DataFolder &folder, const QString &shippedFile)
{
    const QString target = folder.filePath(QString::fromLatin1(adif::kModesFileName));
    const QString shipped =
        shippedFile.isEmpty() ? QString::fromLatin1(adif::kModesResource) : shippedFile;
    if (QFile::exists(target)) {
        QFile existing(target);
        if (!existing.remove())
            diag(QStringLiteral("Error copy modes: %1").arg(existing.errorString()));
    }
    if (!QFile::exists(shipped) || !QFileInfo(target).dir().exists()) {
        diag(QStringLiteral("Can't coppy Modes&Submodes.txt"));
        return;
    }
    if (!QFile::copy(shipped, target)) {
        diag(QStringLiteral("Can't coppy Modes&Submodes.txt"));
        return;
    }
    // Copies out of the resources are read-only; the user may extend the list.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
}

void didFinishLaunching(AppDelegate &app)
{
    refreshModesList(app.folder());
    app.connectToCluster = false;
}

} // namespace startup
