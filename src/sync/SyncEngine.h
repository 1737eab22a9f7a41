#pragma once

#include "model/QsoChange.h"
#include "sync/SyncSession.h"

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace logsync {

/** What the engine last saw, for the screens. */
struct SyncStatus {
    enum class State { Off, Syncing, Synced, Offline };
    State state = State::Off;
    int pending = 0;    // changes waiting in the outbox
    QDateTime lastSync; // the last complete push and pull
    QString error;      // why the last round failed, empty after a success
};

/** Runs a device's sync rounds off the window's thread: when asked, after the server's
 *  notification that another device pushed, and every few minutes; after a failure it tries
 *  again after kRetryMs. Made on the caller's thread and moved to a worker thread by
 *  SyncService; talks to the rest only through signals. */
class SyncEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int kRetryMs = 30'000;
    static constexpr int kPeriodMs = 300'000;

    SyncEngine(QString copyPath, QString password, std::function<qint64()> nowMs,
               QObject *parent = nullptr);
    ~SyncEngine() override;

public slots:
    /** One round now (rounds asked for while one runs are folded into one more). */
    void syncNow();
    /** Closes the connection and stops the timers; the thread can then end. */
    void stop();

signals:
    void statusChanged(const logsync::SyncStatus &status);
    /** A round changed these QSOs (ids and entities, `fromSync` set): their derived data is
     *  stale. */
    void pulled(const ::QsoChange &change);

private:
    void listen();
    void readNotifications();
    void publish(SyncStatus::State state, const QString &error);
    void ensureTimers();

    SyncSession m_session;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer *m_timer = nullptr;
    SyncStatus m_status;
};

} // namespace logsync

Q_DECLARE_METATYPE(logsync::SyncStatus)
