#include "services/LookupAccount.h"

#include "app/UserDefaults.h"
#include "services/LookupTexts.h"
#include "services/ServicePasswords.h"

namespace lookup {
namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

Service LookupAccount::chosen(const UserDefaults &defaults)
{
    return defaults.integer(key(lookuptexts::kChoiceKey)) != 0 ? Service::Qrz : Service::HamQth;
}

LookupAccount LookupAccount::read(UserDefaults &defaults, SecretStore &secrets, Service service)
{
    const bool qrz = service == Service::Qrz;
    LookupAccount account;
    account.service = service;
    account.userName =
        defaults.string(key(qrz ? lookuptexts::kQrzUserKey : lookuptexts::kHamQthUserKey));
    account.password = servicepasswords::password(secrets, defaults,
                                                  qrz ? servicepasswords::Service::Qrz
                                                      : servicepasswords::Service::HamQth);
    return account;
}

QString serviceName(Service service)
{
    return key(service == Service::Qrz ? lookuptexts::kQrz : lookuptexts::kHamQth);
}

bool serviceFromName(const QString &name, Service &service)
{
    if (name.compare(key(lookuptexts::kQrz), Qt::CaseInsensitive) == 0) {
        service = Service::Qrz;
        return true;
    }
    if (name.compare(key(lookuptexts::kHamQth), Qt::CaseInsensitive) == 0) {
        service = Service::HamQth;
        return true;
    }
    return false;
}

} // namespace lookup
