#include "app/MemorySecretStore.h"

MemorySecretStore::MemorySecretStore(bool available, const char *reason, QObject *parent)
    : SecretStore(parent), m_available(available), m_reason(reason)
{}

bool MemorySecretStore::available()
{
    if (!m_available)
        reportUnavailable(m_reason);
    return m_available;
}

std::optional<QString> MemorySecretStore::read(const QString &key)
{
    if (!m_available)
        return std::nullopt;
    const auto it = m_secrets.constFind(key);
    if (it == m_secrets.cend())
        return std::nullopt;
    return *it;
}

bool MemorySecretStore::write(const QString &key, const QString &secret)
{
    if (!m_available)
        return false;
    m_secrets.insert(key, secret);
    return true;
}

bool MemorySecretStore::remove(const QString &key)
{
    if (!m_available)
        return false;
    m_secrets.remove(key);
    return true;
}
