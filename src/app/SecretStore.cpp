#include "app/SecretStore.h"

#include <QtGlobal>

void SecretStore::reportUnavailable(const QString &reason)
{
    if (!m_warning.isEmpty())
        return;
    m_warning = reason;
    qWarning("%s", qPrintable(reason));
    emit warningChanged();
}
