#include "sync/SyncService.h"

#include "app/Clock.h"
#include "model/LogModel.h"

namespace logsync {

SyncService::SyncService(LogModel &log, const Clock &clock, std::function<QString()> password,
                         QObject *parent)
    : QObject(parent), m_log(log), m_clock(clock), m_password(std::move(password))
{
    m_thread.setObjectName(QStringLiteral("sync"));
    m_afterWrite.setSingleShot(true);
    m_afterWrite.setInterval(kAfterWriteMs);
    connect(&m_afterWrite, &QTimer::timeout, this, &SyncService::syncNow);
    // Several writes in a row (an import, a list of QSL marks) go out in one round.
    connect(&m_log, &LogModel::qsosChanged, this, [this](const ::QsoChange &change) {
        if (m_engine && !change.fromSync)
            m_afterWrite.start();
    });
    connect(&m_log, &LogModel::logbookSwitched, this, &SyncService::follow);
    follow();
}

SyncService::~SyncService()
{
    stopEngine();
}

void SyncService::follow()
{
    const QString copy = m_log.isSyncLog() ? m_log.fullLogDatabasePath() : QString();
    if (copy == m_copyPath && (copy.isEmpty() || m_engine))
        return;
    stopEngine();
    if (!copy.isEmpty())
        start(copy);
}

void SyncService::start(const QString &copyPath)
{
    m_copyPath = copyPath;
    const Clock *clock = &m_clock;
    m_engine = new SyncEngine(copyPath, m_password ? m_password() : QString(),
                              [clock] { return clock->now().toMSecsSinceEpoch(); });
    m_engine->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
    connect(m_engine, &SyncEngine::statusChanged, this, [this](const SyncStatus &status) {
        m_status = status;
        emit statusChanged();
    });
    connect(m_engine, &SyncEngine::pulled, this, &SyncService::takePulled);
    m_thread.start();
    syncNow();
}

void SyncService::stopEngine()
{
    m_afterWrite.stop();
    if (m_engine) {
        QMetaObject::invokeMethod(m_engine, &SyncEngine::stop, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
        m_engine = nullptr;
    }
    m_copyPath.clear();
    if (m_status.state != SyncStatus::State::Off) {
        m_status = {};
        emit statusChanged();
    }
}

void SyncService::syncNow()
{
    if (m_engine)
        QMetaObject::invokeMethod(m_engine, &SyncEngine::syncNow, Qt::QueuedConnection);
}

void SyncService::takePulled(const ::QsoChange &change)
{
    if (!m_log.isSyncLog() || m_log.fullLogDatabasePath() != m_copyPath)
        return;
    // The lists, the entry form and the cluster's colours read the logbook again.
    m_log.takePulled(change.entities, change.ids);
}

} // namespace logsync
