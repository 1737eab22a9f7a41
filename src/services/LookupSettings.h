#pragma once

#include "services/ServicePasswords.h"

#include <QObject>
#include <QString>

class SecretStore;
class UserDefaults;

/** The callsign-lookup settings: which service the lookup button asks and the account of each.
 *  Passwords go to the keyring (Base64 in the settings when none serves); a change is announced
 * with "PrefsWereChanged" so the entry form shows or hides its lookup button. */
class LookupSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool useQrz READ useQrz WRITE setUseQrz NOTIFY changed)
    Q_PROPERTY(QString qrzUser READ qrzUser WRITE setQrzUser NOTIFY changed)
    Q_PROPERTY(QString qrzPassword READ qrzPassword WRITE setQrzPassword NOTIFY changed)
    Q_PROPERTY(QString hamQthUser READ hamQthUser WRITE setHamQthUser NOTIFY changed)
    Q_PROPERTY(QString hamQthPassword READ hamQthPassword WRITE setHamQthPassword NOTIFY changed)
    Q_PROPERTY(QString keyringWarning READ keyringWarning NOTIFY keyringWarningChanged)
public:
    LookupSettings(UserDefaults &defaults, SecretStore &secrets, QObject *parent = nullptr);

    [[nodiscard]] bool useQrz() const;
    [[nodiscard]] QString qrzUser() const;
    [[nodiscard]] QString qrzPassword() const;
    [[nodiscard]] QString hamQthUser() const;
    [[nodiscard]] QString hamQthPassword() const;
    /** Why passwords stay in the logbook and the settings file; empty while the keyring
     *  serves. */
    [[nodiscard]] QString keyringWarning() const;
    void setUseQrz(bool use);
    /** User names are kept without surrounding blanks; the password follows a new name. */
    void setQrzUser(const QString &user);
    void setQrzPassword(const QString &password);
    void setHamQthUser(const QString &user);
    void setHamQthPassword(const QString &password);

signals:
    void keyringWarningChanged();
    void changed();

private:
    void store(const char *key, const QVariant &value);
    void setUser(servicepasswords::Service service, const char *key, const QString &user);
    void setPassword(servicepasswords::Service service, const QString &password);

    UserDefaults &m_defaults;
    SecretStore &m_secrets;
};
