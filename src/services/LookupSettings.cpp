#include "services/LookupSettings.h"

#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "formats/TextCoding.h"
#include "services/LookupAccount.h"
#include "services/LookupTexts.h"

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

LookupSettings::LookupSettings(UserDefaults &defaults, NotificationCenter &centre, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_notifications(centre)
{}

bool LookupSettings::useQrz() const
{
    return lookup::LookupAccount::chosen(m_defaults) == lookup::Service::Qrz;
}

QString LookupSettings::qrzUser() const
{
    return lookup::LookupAccount::read(m_defaults, lookup::Service::Qrz).userName;
}

QString LookupSettings::qrzPassword() const
{
    return lookup::LookupAccount::read(m_defaults, lookup::Service::Qrz).password;
}

QString LookupSettings::hamQthUser() const
{
    return lookup::LookupAccount::read(m_defaults, lookup::Service::HamQth).userName;
}

QString LookupSettings::hamQthPassword() const
{
    return lookup::LookupAccount::read(m_defaults, lookup::Service::HamQth).password;
}

void LookupSettings::setUseQrz(bool use)
{
    if (use != useQrz())
        store(lookuptexts::kChoiceKey, use ? 1 : 0);
}

void LookupSettings::setQrzUser(const QString &user)
{
    if (user.trimmed() != qrzUser())
        store(lookuptexts::kQrzUserKey, user.trimmed());
}

void LookupSettings::setQrzPassword(const QString &password)
{
    if (password != qrzPassword())
        store(lookuptexts::kQrzPasswordKey, formats::base64FromText(password));
}

void LookupSettings::setHamQthUser(const QString &user)
{
    if (user.trimmed() != hamQthUser())
        store(lookuptexts::kHamQthUserKey, user.trimmed());
}

void LookupSettings::setHamQthPassword(const QString &password)
{
    if (password != hamQthPassword())
        store(lookuptexts::kHamQthPasswordKey, formats::base64FromText(password));
}

void LookupSettings::store(const char *name, const QVariant &value)
{
    m_defaults.setValue(key(name), value);
    emit changed();
    m_notifications.post(key(notifications::PrefsWereChanged));
}
