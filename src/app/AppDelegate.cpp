#include "app/AppDelegate.h"

#include "app/Notifications.h"

#include <QDir>
#include <QFile>

namespace {

QString settingsPath(const DataFolder &folder)
{
    return folder.overridden ? QDir(folder.path).filePath(QStringLiteral("Brindlewick.ini"))
                             : QString();
}

} // namespace

AppDelegate::AppDelegate(const DataFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_defaults(settingsPath(folder))
{
    QDir().mkpath(m_folder.path);
    m_defaults.registerDefaultsFromJson(QStringLiteral(":/defaults.json"));
    newLogSelected();
    m_notifications.observe(QString::fromLatin1(notifications::NewLogSelected), this,
                            [this](const QVariant &) { newLogSelected(); });
}

QString AppDelegate::documentPath(const QString &fileName) const
{
    return QDir(m_folder.path).filePath(fileName);
}

formats::DateStyle AppDelegate::logDateFormaterStyle() const
{
    return m_defaults.integer(QStringLiteral("DateFormatIndex")) == 0 ? formats::DateStyle::Short
                                                                      : formats::DateStyle::Medium;
}

bool AppDelegate::copyResourceIfMissing(const QString &resource, const QString &target) const
{
    const QString path = documentPath(target.isEmpty() ? resource : target);
    if (QFile::exists(path))
        return true;
    if (!QFile::copy(QStringLiteral(":/") + resource, path))
        return false;
    // Files copied out of the resources are read-only; a logbook must be writable.
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner |
                                           QFileDevice::ReadOwner);
}

void AppDelegate::newLogSelected()
{
    m_info60m = QStringList(k60mCacheSize, QString());
}

void AppDelegate::applicationWillResignActive()
{
    // The synced store and the cloud key-value store are not part of this build, so there is
    // nothing to save or synchronise yet; the scanner must stop all the same.
    m_notifications.post(QString::fromLatin1(notifications::AppGoesBackground));
}

void AppDelegate::applicationDidEnterBackground()
{
    m_notifications.post(QString::fromLatin1(notifications::AppGoesBackground));
}
