#pragma once

#include "sync/SyncEngine.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <functional>

class Clock;
class LogModel;
struct DataFolder;

namespace logsync {

/** The window's side of syncing: runs a SyncEngine on its own thread while the synced logbook is
 *  the current one, asks it for a round shortly after every write of the logbook, and rebuilds
 *  the derived data (DX info texts, the 60 m cache, the spot answers) of the entities a pull
 *  touched before telling the screens. */
class SyncService : public QObject {
    Q_OBJECT
public:
    static constexpr int kAfterWriteMs = 200;

    SyncService(LogModel &log, const Clock &clock, std::function<QString()> password,
                QObject *parent = nullptr);
    ~SyncService() override;

    [[nodiscard]] const SyncStatus &status() const { return m_status; }
    [[nodiscard]] bool running() const { return m_engine != nullptr; }
    /** A round now, when the synced logbook is current. */
    void syncNow();
    /** Starts or stops the engine to match the current logbook (and a newly joined copy). */
    void follow();

signals:
    void statusChanged();

private:
    void start(const QString &copyPath);
    void stopEngine();
    void takePulled(const ::QsoChange &change);

    LogModel &m_log;
    const Clock &m_clock;
    std::function<QString()> m_password;
    QThread m_thread;
    QPointer<SyncEngine> m_engine;
    QString m_copyPath;
    QTimer m_afterWrite;
    SyncStatus m_status;
};

} // namespace logsync
