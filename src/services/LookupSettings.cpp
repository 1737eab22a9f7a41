#include "services/LookupSettings.h"

#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "services/LookupAccount.h"
#include "services/LookupTexts.h"

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

LookupSettings::LookupSettings(UserDefaults &defaults, SecretStore &secrets, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_secrets(secrets)
{
    connect(&secrets, &SecretStore::warningChanged, this, &LookupSettings::keyringWarningChanged);
}

bool LookupSettings::useQrz() const
{
    return lookup::LookupAccount::chosen(m_defaults) == lookup::Service::Qrz;
}

QString LookupSettings::qrzUser() const
{
    return m_defaults.string(key(lookuptexts::kQrzUserKey));
}

QString LookupSettings::qrzPassword() const
{
    return servicepasswords::password(m_secrets, m_defaults, servicepasswords::Service::Qrz);
}

QString LookupSettings::hamQthUser() const
{
    return m_defaults.string(key(lookuptexts::kHamQthUserKey));
}

QString LookupSettings::hamQthPassword() const
{
    return servicepasswords::password(m_secrets, m_defaults, servicepasswords::Service::HamQth);
}

void LookupSettings::setUseQrz(bool use)
{
    if (use != useQrz())
        store(lookuptexts::kChoiceKey, use ? 1 : 0);
}

void LookupSettings::setQrzUser(const QString &user)
{
    setUser(servicepasswords::Service::Qrz, lookuptexts::kQrzUserKey, user);
}

void LookupSettings::setQrzPassword(const QString &password)
{
    setPassword(servicepasswords::Service::Qrz, password);
}

void LookupSettings::setHamQthUser(const QString &user)
{
    setUser(servicepasswords::Service::HamQth, lookuptexts::kHamQthUserKey, user);
}

void LookupSettings::setHamQthPassword(const QString &password)
{
    setPassword(servicepasswords::Service::HamQth, password);
}

void LookupSettings::store(const char *name, const QVariant &value)
{
    m_defaults.setValue(key(name), value);
    emit changed();
}

void LookupSettings::setUser(servicepasswords::Service service, const char *name,
                             const QString &user)
{
    const QString trimmed = user.trimmed();
    if (trimmed == m_defaults.string(key(name)))
        return;
    // The keyring keeps the password under the user's name: it moves with the name.
    const QString password = servicepasswords::password(m_secrets, m_defaults, service);
    if (!password.isEmpty())
        servicepasswords::setPassword(m_secrets, m_defaults, service, {});
    m_defaults.setValue(key(name), trimmed);
    if (!password.isEmpty())
        servicepasswords::setPassword(m_secrets, m_defaults, service, password);
    emit changed();
}

void LookupSettings::setPassword(servicepasswords::Service service, const QString &password)
{
    if (password == servicepasswords::password(m_secrets, m_defaults, service))
        return;
    servicepasswords::setPassword(m_secrets, m_defaults, service, password);
    emit changed();
}

QString LookupSettings::keyringWarning() const
{
    return m_secrets.warning();
}
