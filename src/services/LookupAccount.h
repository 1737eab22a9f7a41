#pragma once

#include <QString>

class SecretStore;
class UserDefaults;

namespace lookup {

enum class Service { Qrz, HamQth };

/** The account a lookup logs in with: the service, the user name and the password as typed. */
struct LookupAccount {
    Service service = Service::HamQth;
    QString userName;
    QString password; // as typed; a stored copy is Base64

    [[nodiscard]] bool configured() const { return !userName.isEmpty() && !password.isEmpty(); }

    /** The service "SegQthQrz" chooses (not 0: QRZ). */
    [[nodiscard]] static Service chosen(const UserDefaults &defaults);
    /** The account of a service: the user from the settings, the password through the
     *  keyring. */
    [[nodiscard]] static LookupAccount read(UserDefaults &defaults, SecretStore &secrets,
                                            Service service);
};

/** "QRZ" or "HamQTH". */
[[nodiscard]] QString serviceName(Service service);
/** "qrz"/"QRZ" and "hamqth"/"HamQTH" (any case); nothing else. */
[[nodiscard]] bool serviceFromName(const QString &name, Service &service);

} // namespace lookup
