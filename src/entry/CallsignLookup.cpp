#include "entry/CallsignLookup.h"

#include "app/SecretStoreAccess.h"
#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"

namespace {

/** The lookup password as the services read it: the keyring entry named after the settings key
 *  and the user. */
QString keptPassword(UserDefaults &defaults, SecretStore *secrets, const QString &key,
                     const QString &user)
{
    const StoredCopy copy = secrets::settingsCopy(defaults, key);
    if (!secrets)
        return copy.read();
    return secrets::read(*secrets, secrets::keyFor(key, user), copy);
}

} // namespace

LookupServiceChoice LookupServiceChoice::read(UserDefaults &defaults, SecretStore *secrets)
{
    LookupServiceChoice choice;
    choice.qrz = defaults.integer(QStringLiteral("SegQthQrz")) != 0;
    if (choice.qrz) {
        choice.title = QString::fromLatin1(entry::texts::kQrzTitle);
        choice.userName = defaults.string(QStringLiteral("QRZ_UserName"));
        choice.password =
            keptPassword(defaults, secrets, QStringLiteral("QRZ_PassWord"), choice.userName);
    } else {
        choice.title = QString::fromLatin1(entry::texts::kHamQthTitle);
        choice.userName = defaults.string(QStringLiteral("HamQTH_UserName"));
        // The key is spelled this way in every installation; keep it.
        choice.password =
            keptPassword(defaults, secrets, QStringLiteral("HamQRH_PassWord"), choice.userName);
    }
    return choice;
}
