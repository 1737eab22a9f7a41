#include "app/Startup.h"

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

namespace startup {

void useUtcTimeZone()
{
    qputenv("TZ", QByteArrayLiteral("UTC"));
    tzset();
}

} // namespace startup
