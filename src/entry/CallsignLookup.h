#pragma once

#include <QString>

class SecretStore;
class UserDefaults;

/** A callsign-lookup service (QRZ or HamQTH). The form only asks; the service answers by posting
 *  "QSO4Log" with the looked-up record, which the form takes over like any other record. */
class CallsignLookup {
public:
    virtual ~CallsignLookup() = default;
    virtual void lookUp(const QString &callsign) = 0;
};

/** Which lookup service the settings choose and whether it can be used. */
struct LookupServiceChoice {
    bool qrz = false; // "SegQthQrz" non-zero: QRZ, else HamQTH
    QString title;    // the lookup button's title
    QString userName;
    QString password; // as typed
    /** Both the user name and the password are given. */
    [[nodiscard]] bool configured() const { return !userName.isEmpty() && !password.isEmpty(); }

    /** Reads "SegQthQrz", the service's user and its password through the keyring (the
     *  settings' copy alone without a store). */
    [[nodiscard]] static LookupServiceChoice read(UserDefaults &defaults, SecretStore *secrets);
};
