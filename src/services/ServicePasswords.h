#pragma once

#include <QString>

class LogModel;

/** Where the services' passwords are kept: today the logbook's settings (Base64, as the logbook
 *  format has them). Everything reads and writes them here only, so a keyring can take over in
 *  one place. */
namespace servicepasswords {

enum class Service { Lotw, Eqsl };

[[nodiscard]] QString password(LogModel &log, Service service);
void setPassword(LogModel &log, Service service, const QString &password);

} // namespace servicepasswords
