#include "app/SecretStore.h"

#include <QCoreApplication>
#include <QtGlobal>

QString SecretStore::warning() const
{
    if (!m_reason)
        return {};
    const QString text = QCoreApplication::translate("SecretStore", m_reason);
    return m_detail.isEmpty() ? text : text.arg(m_detail);
}

void SecretStore::reportUnavailable(const char *reason, const QString &detail)
{
    if (m_reason)
        return;
    m_reason = reason;
    m_detail = detail;
    const QString logged = QString::fromLatin1(reason);
    qWarning("%s", qPrintable(detail.isEmpty() ? logged : logged.arg(detail)));
    emit warningChanged();
}
