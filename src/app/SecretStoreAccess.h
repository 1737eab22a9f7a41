#pragma once

#include <QString>

#include <functional>

class SecretStore;
class UserDefaults;

/** A password's copy outside the keyring, as older versions kept it and as it is kept when no
 *  keyring serves: a logbook's prefs entry or a key of the settings file. `write` with an empty
 *  text removes the copy. */
struct StoredCopy {
    std::function<QString()> read;
    std::function<bool(const QString &)> write;
};

/** Every password goes through here: the keyring first, the stored copy only when no keyring
 *  serves. A stored copy found while the keyring serves moves into it and is removed, so logbook
 *  and settings files carry no secrets once the program has run. */
namespace secrets {

/** The keyring entry of a password: the name of its stored copy and the account it opens, since
 *  two logbooks may hold two accounts of one service. */
[[nodiscard]] QString keyFor(const QString &name, const QString &account);

[[nodiscard]] QString read(SecretStore &store, const QString &key, const StoredCopy &copy);
/** An empty password removes it. False when it was not kept anywhere. */
bool write(SecretStore &store, const QString &key, const StoredCopy &copy, const QString &password);

/** The copy under a key of the settings file, Base64 as the settings keep passwords. */
[[nodiscard]] StoredCopy settingsCopy(UserDefaults &defaults, const QString &settingsKey);

} // namespace secrets
