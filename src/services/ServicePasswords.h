#pragma once

#include "app/SecretStoreAccess.h"

#include <QString>

class LogModel;
class SecretStore;
class UserDefaults;

/** Every password of the online services, in one place: the keyring first (see
 *  secrets::read), the stored copy as older versions kept it only when no keyring serves — the
 *  logbook's settings for the logbook's accounts, the settings file for the lookup accounts,
 *  Base64 in both. Each keyring entry is named after the stored copy and the account's user. */
namespace servicepasswords {

enum class Service { Lotw, LotwSigning, Eqsl, Clublog, Qrz, HamQth, SyncServer };

/** "lotwpassword", "LoTWSigningPW", "eqslpassword", "ClublogPassword", "QRZ_PassWord",
 *  "HamQRH_PassWord", "SyncServerPassword". */
[[nodiscard]] QString entryName(Service service);
/** The logbook's or the settings file's entry that names the account's user; empty for the
 *  sync server, whose account is its address. */
[[nodiscard]] QString userEntry(Service service);

/** LoTW (web and signing), eQSL and Club Log: the current logbook's account. */
[[nodiscard]] QString password(SecretStore &store, LogModel &log, Service service);
bool setPassword(SecretStore &store, LogModel &log, Service service, const QString &password);
/** The copy in the logbook's settings (Base64). */
[[nodiscard]] StoredCopy logbookCopy(LogModel &log, Service service);

/** QRZ and HamQTH: the accounts of the settings file. Reading may move the stored copy into the
 *  keyring, which writes the settings. */
[[nodiscard]] QString password(SecretStore &store, UserDefaults &defaults, Service service);
bool setPassword(SecretStore &store, UserDefaults &defaults, Service service,
                 const QString &password);

/** Any service with the account and the stored copy given, e.g. the synced logbook's server
 *  (account: the address without its password). */
[[nodiscard]] QString password(SecretStore &store, Service service, const QString &account,
                               const StoredCopy &copy);
bool setPassword(SecretStore &store, Service service, const QString &account,
                 const StoredCopy &copy, const QString &password);

/** The synced logbook's server password: the keyring, else the settings file. `server` is the
 *  address without its password. */
[[nodiscard]] QString syncServerPassword(SecretStore &store, UserDefaults &defaults,
                                         const QString &server);
bool setSyncServerPassword(SecretStore &store, UserDefaults &defaults, const QString &server,
                           const QString &password);

} // namespace servicepasswords
