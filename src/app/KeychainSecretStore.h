#pragma once

#include "app/SecretStore.h"

#include <QHash>

#include <chrono>
#include <functional>

namespace QKeychain {
class Job;
}

/** The desktop's keyring through QtKeychain (the Secret Service or KWallet on Linux), entries
 *  under the service "Brindlewick". QtKeychain's jobs are asynchronous; each call here waits for
 *  its job in a local event loop, at most `timeout`, so a keyring that never answers cannot hang
 *  the program. Without a session bus or a keyring on it, or after a job failed for want of a
 *  keyring, the store is unavailable for the rest of the run. */
class KeychainSecretStore : public SecretStore {
    Q_OBJECT
public:
    static constexpr char kService[] = "Brindlewick";
    static constexpr char kNoService[] = QT_TRANSLATE_NOOP(
        "SecretStore",
        "No keyring service is available: passwords stay in the logbook and the settings file");
    static constexpr char kFailed[] = QT_TRANSLATE_NOOP(
        "SecretStore",
        "The keyring failed (%1): passwords stay in the logbook and the settings file");
    static constexpr char kTimedOut[] = QT_TRANSLATE_NOOP(
        "SecretStore",
        "The keyring did not answer: passwords stay in the logbook and the settings file");

    /** The timeout leaves time to unlock the keyring when it asks for its own password. */
    explicit KeychainSecretStore(std::chrono::milliseconds timeout = std::chrono::seconds(30),
                                 QObject *parent = nullptr);

    [[nodiscard]] bool available() override;
    [[nodiscard]] std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &secret) override;
    bool remove(const QString &key) override;

private:
    enum class State { Unknown, Serving, Unavailable };
    /** Starts the job and waits for it; false when it failed or timed out (the store is then
     *  unavailable) or found nothing (`notFound`). `done` reads the result while the job lives. */
    bool run(QKeychain::Job *job, bool *notFound,
             const std::function<void(QKeychain::Job *)> &done);
    [[nodiscard]] static bool keyringOnSessionBus();

    std::chrono::milliseconds m_timeout;
    State m_state = State::Unknown;
    /** What this run read or wrote: screens read a password whenever they redraw, and each
     *  question to the keyring is a round trip on the bus. */
    QHash<QString, std::optional<QString>> m_known;
};
