#include "services/ServicePasswords.h"

#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "formats/TextCoding.h"
#include "model/LogModel.h"
#include "services/LookupTexts.h"

namespace servicepasswords {
namespace {

QString settingsAccount(const UserDefaults &defaults, Service service)
{
    return defaults.string(userEntry(service));
}

} // namespace

QString userEntry(Service service)
{
    switch (service) {
    case Service::Lotw:
    case Service::LotwSigning:
        return QStringLiteral("lotwuser");
    case Service::Eqsl:
        return QStringLiteral("eqsluser");
    case Service::Clublog:
        return QStringLiteral("ClublogUser");
    case Service::Qrz:
        return QString::fromLatin1(lookuptexts::kQrzUserKey);
    case Service::HamQth:
        return QString::fromLatin1(lookuptexts::kHamQthUserKey);
    case Service::SyncServer:
        break;
    }
    return {};
}

QString entryName(Service service)
{
    switch (service) {
    case Service::Lotw:
        return QStringLiteral("lotwpassword");
    case Service::LotwSigning:
        return QStringLiteral("LoTWSigningPW");
    case Service::Eqsl:
        return QStringLiteral("eqslpassword");
    case Service::Clublog:
        return QStringLiteral("ClublogPassword");
    case Service::Qrz:
        return QString::fromLatin1(lookuptexts::kQrzPasswordKey);
    case Service::HamQth:
        return QString::fromLatin1(lookuptexts::kHamQthPasswordKey);
    case Service::SyncServer:
        return QStringLiteral("SyncServerPassword");
    }
    return {};
}

StoredCopy logbookCopy(LogModel &log, Service service)
{
    const QString entry = entryName(service);
    return {[&log, entry] { return formats::textFromBase64(log.readPrefsForEntry(entry)); },
            [&log, entry](const QString &password) {
                // updatePrefs encodes the eQSL password itself.
                const bool encoded = entry == QLatin1String("eqslpassword") || password.isEmpty();
                return bool(
                    log.updatePrefs(entry, encoded ? password : formats::base64FromText(password)));
            }};
}

QString password(SecretStore &store, LogModel &log, Service service)
{
    return password(store, service, log.readPrefsForEntry(userEntry(service)),
                    logbookCopy(log, service));
}

bool setPassword(SecretStore &store, LogModel &log, Service service, const QString &password)
{
    return setPassword(store, service, log.readPrefsForEntry(userEntry(service)),
                       logbookCopy(log, service), password);
}

QString password(SecretStore &store, UserDefaults &defaults, Service service)
{
    return password(store, service, settingsAccount(defaults, service),
                    secrets::settingsCopy(defaults, entryName(service)));
}

bool setPassword(SecretStore &store, UserDefaults &defaults, Service service,
                 const QString &password)
{
    return setPassword(store, service, settingsAccount(defaults, service),
                       secrets::settingsCopy(defaults, entryName(service)), password);
}

QString password(SecretStore &store, Service service, const QString &account,
                 const StoredCopy &copy)
{
    return secrets::read(store, secrets::keyFor(entryName(service), account), copy);
}

bool setPassword(SecretStore &store, Service service, const QString &account,
                 const StoredCopy &copy, const QString &password)
{
    return secrets::write(store, secrets::keyFor(entryName(service), account), copy, password);
}

QString syncServerPassword(SecretStore &store, UserDefaults &defaults, const QString &server)
{
    return password(store, Service::SyncServer, server,
                    secrets::settingsCopy(defaults, entryName(Service::SyncServer)));
}

bool setSyncServerPassword(SecretStore &store, UserDefaults &defaults, const QString &server,
                           const QString &password)
{
    return setPassword(store, Service::SyncServer, server,
                       secrets::settingsCopy(defaults, entryName(Service::SyncServer)), password);
}

} // namespace servicepasswords
