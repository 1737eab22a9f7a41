#include "app/KeychainSecretStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

QString service()
{
    return QString::fromLatin1(KeychainSecretStore::kService);
}

} // namespace

KeychainSecretStore::KeychainSecretStore(std::chrono::milliseconds timeout, QObject *parent)
    : SecretStore(parent), m_timeout(timeout)
{}

bool KeychainSecretStore::keyringOnSessionBus()
{
    // Asking QtKeychain without a keyring would only end in its timeout or a fallback to plain
    // text; the bus tells at once whether anything could answer.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    QDBusConnectionInterface *daemon = bus.interface();
    const QDBusReply<QStringList> activatable = daemon->activatableServiceNames();
    for (const char *name : {"org.freedesktop.secrets", "org.kde.kwalletd6", "org.kde.kwalletd5",
                             "org.kde.kwalletd"}) {
        const QString serviceName = QString::fromLatin1(name);
        if (daemon->isServiceRegistered(serviceName).value() ||
            (activatable.isValid() && activatable.value().contains(serviceName)))
            return true;
    }
    return false;
}

bool KeychainSecretStore::available()
{
    if (m_state == State::Unknown) {
        m_state = keyringOnSessionBus() ? State::Serving : State::Unavailable;
        if (m_state == State::Unavailable)
            reportUnavailable(kNoService);
    }
    return m_state == State::Serving;
}

bool KeychainSecretStore::run(QKeychain::Job *job, bool *notFound,
                              const std::function<void(QKeychain::Job *)> &done)
{
    job->setAutoDelete(true);
    // Never the plain-text file QtKeychain could fall back to: the stored copies are ours.
    job->setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QKeychain::Error error = QKeychain::NoError;
    QString errorText;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *ended) {
        finished = true;
        error = ended->error();
        errorText = ended->errorString();
        if (error == QKeychain::NoError && done)
            done(ended);
        loop.quit();
    });
    QTimer::singleShot(m_timeout, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (notFound)
        *notFound = finished && error == QKeychain::EntryNotFound;
    if (finished && (error == QKeychain::NoError || error == QKeychain::EntryNotFound))
        return error == QKeychain::NoError;
    // A job left running deletes itself when it ends; its answer no longer reaches us.
    m_state = State::Unavailable;
    if (finished)
        reportUnavailable(kFailed, errorText);
    else
        reportUnavailable(kTimedOut);
    return false;
}

std::optional<QString> KeychainSecretStore::read(const QString &key)
{
    if (!available())
        return std::nullopt;
    if (const auto it = m_known.constFind(key); it != m_known.cend())
        return *it;
    auto *job = new QKeychain::ReadPasswordJob(service());
    job->setKey(key);
    QString secret;
    bool notFound = false;
    if (run(job, &notFound, [&secret](QKeychain::Job *ended) {
            secret = static_cast<QKeychain::ReadPasswordJob *>(ended)->textData();
        })) {
        m_known.insert(key, secret);
        return secret;
    }
    if (notFound)
        m_known.insert(key, std::nullopt);
    return std::nullopt;
}

bool KeychainSecretStore::write(const QString &key, const QString &secret)
{
    if (!available())
        return false;
    auto *job = new QKeychain::WritePasswordJob(service());
    job->setKey(key);
    job->setTextData(secret);
    if (!run(job, nullptr, {}))
        return false;
    m_known.insert(key, secret);
    return true;
}

bool KeychainSecretStore::remove(const QString &key)
{
    if (!available())
        return false;
    auto *job = new QKeychain::DeletePasswordJob(service());
    job->setKey(key);
    bool notFound = false;
    if (!run(job, &notFound, {}) && !notFound)
        return false;
    m_known.insert(key, std::nullopt);
    return true;
}
