#include "app/SecretStoreAccess.h"

#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "formats/TextCoding.h"

namespace secrets {

QString keyFor(const QString &name, const QString &account)
{
    return account.isEmpty() ? name : name + QLatin1Char('/') + account;
}

QString read(SecretStore &store, const QString &key, const StoredCopy &copy)
{
    const QString stored = copy.read();
    if (!store.available())
        return stored;
    if (!stored.isEmpty()) {
        // The stored copy was written by an older version or while no keyring served: it is
        // the newer one. It is removed only once the keyring gives it back.
        if (store.write(key, stored) && store.read(key) == stored) {
            copy.write({});
            return stored;
        }
        return stored;
    }
    const std::optional<QString> kept = store.read(key);
    return kept.value_or(QString());
}

bool write(SecretStore &store, const QString &key, const StoredCopy &copy, const QString &password)
{
    if (store.available() &&
        (password.isEmpty() ? store.remove(key) : store.write(key, password))) {
        if (!copy.read().isEmpty())
            copy.write({});
        return true;
    }
    return copy.write(password);
}

StoredCopy settingsCopy(UserDefaults &defaults, const QString &settingsKey)
{
    return {
        [&defaults, settingsKey] { return formats::textFromBase64(defaults.string(settingsKey)); },
        [&defaults, settingsKey](const QString &password) {
            if (password.isEmpty())
                defaults.remove(settingsKey);
            else
                defaults.setValue(settingsKey, formats::base64FromText(password));
            defaults.sync();
            return true;
        }};
}

} // namespace secrets
