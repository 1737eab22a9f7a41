#include "services/ServicePasswords.h"

#include "model/LogModel.h"

namespace servicepasswords {

QString password(LogModel &log, Service service)
{
    if (service == Service::Lotw)
        return log.getLotwPrefs().value(QStringLiteral("lotwpassword")).toString();
    return log.getAllEqslData().value(QStringLiteral("eqslpassword")).toString();
}

void setPassword(LogModel &log, Service service, const QString &password)
{
    if (service == Service::Lotw)
        log.saveLotwPrefs({{QStringLiteral("lotwpassword"), password}});
    else
        static_cast<void>(log.updatePrefs(QStringLiteral("eqslpassword"), password));
}

} // namespace servicepasswords
