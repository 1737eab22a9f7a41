#include "root/AppDelegate.h"

#include "app/KeychainSecretStore.h"
#include "app/MemorySecretStore.h"

#include <QDir>

namespace {

QString settingsPath(const DataFolder &folder)
{
    return folder.overridden ? QDir(folder.path).filePath(QStringLiteral("Brindlewick.ini"))
                             : QString();
}

std::unique_ptr<SecretStore> defaultSecrets(const DataFolder &folder)
{
    if (!folder.overridden)
        return std::make_unique<KeychainSecretStore>();
    // A test or a scripted run must never reach the user's keyring.
    return std::make_unique<MemorySecretStore>(
        false, QT_TRANSLATE_NOOP("SecretStore",
                                 "Passwords stay in the logbook and the settings file: no keyring "
                                 "is used with a data folder given by --data-dir or "
                                 "BRINDLEWICK_HOME"));
}

} // namespace

AppDelegate::AppDelegate(const DataFolder &folder, QObject *parent)
    : AppDelegate(folder, defaultSecrets(folder), parent)
{}

AppDelegate::AppDelegate(const DataFolder &folder, std::unique_ptr<SecretStore> secrets,
                         QObject *parent)
    : QObject(parent), m_folder(folder), m_defaults(settingsPath(folder)),
      m_secrets(std::move(secrets))
{
    QDir().mkpath(m_folder.path);
    m_defaults.registerDefaultsFromJson(QStringLiteral(":/defaults.json"));
    m_dxcc = std::make_unique<DXCCModel>(m_folder, m_clock);
    m_functions = std::make_unique<MyFunctions>(m_defaults, m_clock);
    m_log = std::make_unique<LogModel>(m_defaults, m_folder, m_clock, *m_dxcc);
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationWillResignActive()
{
    // The synced store and the cloud key-value store are not part of this build, so there is
    // nothing to save or synchronise yet; the scanner must stop all the same.
    emit wentToBackground();
}

void AppDelegate::applicationDidEnterBackground()
{
    emit wentToBackground();
}
