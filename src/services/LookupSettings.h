#pragma once

#include <QObject>
#include <QString>

class NotificationCenter;
class UserDefaults;

/** The callsign-lookup settings: which service the lookup button asks and the account of each.
 *  Passwords are kept Base64, as every stored service password; a change is announced with
 *  "PrefsWereChanged" so the entry form shows or hides its lookup button. */
class LookupSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool useQrz READ useQrz WRITE setUseQrz NOTIFY changed)
    Q_PROPERTY(QString qrzUser READ qrzUser WRITE setQrzUser NOTIFY changed)
    Q_PROPERTY(QString qrzPassword READ qrzPassword WRITE setQrzPassword NOTIFY changed)
    Q_PROPERTY(QString hamQthUser READ hamQthUser WRITE setHamQthUser NOTIFY changed)
    Q_PROPERTY(QString hamQthPassword READ hamQthPassword WRITE setHamQthPassword NOTIFY changed)
public:
    LookupSettings(UserDefaults &defaults, NotificationCenter &centre, QObject *parent = nullptr);

    [[nodiscard]] bool useQrz() const;
    [[nodiscard]] QString qrzUser() const;
    [[nodiscard]] QString qrzPassword() const;
    [[nodiscard]] QString hamQthUser() const;
    [[nodiscard]] QString hamQthPassword() const;
    void setUseQrz(bool use);
    /** User names are kept without surrounding blanks. */
    void setQrzUser(const QString &user);
    void setQrzPassword(const QString &password);
    void setHamQthUser(const QString &user);
    void setHamQthPassword(const QString &password);

signals:
    void changed();

private:
    void store(const char *key, const QVariant &value);

    UserDefaults &m_defaults;
    NotificationCenter &m_notifications;
};
