#include "sync/SyncEngine.h"

#include "sync/ServerApi.h"

#include <QSocketNotifier>
#include <QTimer>

namespace logsync {

SyncEngine::SyncEngine(QString copyPath, QString password, std::function<qint64()> nowMs,
                       QObject *parent)
    : QObject(parent), m_session(std::move(copyPath), std::move(password), std::move(nowMs))
{
    qRegisterMetaType<logsync::SyncStatus>();
}

SyncEngine::~SyncEngine() = default;

void SyncEngine::ensureTimers()
{
    if (m_timer)
        return;
    // Made here, on the worker thread, so that the timer runs there.
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SyncEngine::syncNow);
}

void SyncEngine::syncNow()
{
    ensureTimers();
    publish(SyncStatus::State::Syncing, m_status.error);
    const bool wasConnected = m_session.isConnected();
    const SyncReport report = m_session.run();
    if (!report.entities.isEmpty() || !report.ids.isEmpty()) {
        ::QsoChange change;
        change.ids = report.ids;
        change.entities = report.entities;
        change.fromSync = true;
        emit pulled(change);
    }
    if (report.ok) {
        if (!wasConnected || !m_notifier)
            listen();
        m_status.lastSync =
            QDateTime::fromString(m_session.copy().state(QStringLiteral("lastSync")), Qt::ISODate);
        publish(SyncStatus::State::Synced, {});
        m_timer->start(kPeriodMs);
    } else {
        m_notifier.reset();
        publish(SyncStatus::State::Offline, report.error);
        m_timer->start(kRetryMs);
    }
}

void SyncEngine::stop()
{
    m_notifier.reset();
    if (m_timer)
        m_timer->stop();
    m_session.disconnect();
    publish(SyncStatus::State::Off, {});
}

void SyncEngine::listen()
{
    m_notifier.reset();
    QString error;
    PgConnection &connection = m_session.connection();
    const std::optional<QString> channel =
        serverapi::channel(connection, m_session.logbookId(), &error);
    if (!channel || !connection.listen(*channel, &error))
        return; // the timer still brings other devices' changes
    m_notifier = std::make_unique<QSocketNotifier>(connection.socket(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SyncEngine::readNotifications);
}

void SyncEngine::readNotifications()
{
    bool alive = true;
    const QStringList channels = m_session.connection().takeNotifications(&alive);
    if (!alive) {
        // The server went away: try again later rather than spinning on a dead socket.
        m_notifier.reset();
        m_session.disconnect();
        publish(SyncStatus::State::Offline,
                QStringLiteral("The connection to the server was lost"));
        m_timer->start(kRetryMs);
        return;
    }
    if (!channels.isEmpty())
        syncNow();
}

void SyncEngine::publish(SyncStatus::State state, const QString &error)
{
    m_status.state = state;
    m_status.error = error;
    m_status.pending = m_session.copy().pendingChanges();
    emit statusChanged(m_status);
}

} // namespace logsync
