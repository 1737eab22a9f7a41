#pragma once

#include "app/SecretStore.h"

#include <QHash>

/** Secrets in memory: the keyring of tests. Made unavailable it plays a desktop without a
 *  keyring service; a data folder chosen by "--data-dir" or BRINDLEWICK_HOME gets such a one,
 *  so scripted runs keep their passwords in that folder's logbooks and settings file. */
class MemorySecretStore : public SecretStore {
    Q_OBJECT
public:
    /** The reason an unavailable store reports. */
    static constexpr char kUnavailable[] = QT_TRANSLATE_NOOP(
        "SecretStore",
        "No keyring service is available: passwords stay in the logbook and the settings file");

    /** An unavailable store reports `reason` when first asked. */
    explicit MemorySecretStore(bool available = true, const char *reason = kUnavailable,
                               QObject *parent = nullptr);

    [[nodiscard]] bool available() override;
    [[nodiscard]] std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &secret) override;
    bool remove(const QString &key) override;

    void setAvailable(bool available) { m_available = available; }
    /** Everything kept, for tests to look at. */
    [[nodiscard]] const QHash<QString, QString> &secrets() const { return m_secrets; }

private:
    bool m_available;
    const char *m_reason;
    QHash<QString, QString> m_secrets;
};
