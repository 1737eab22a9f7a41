#pragma once

#include "model/QsoChange.h"
#include "services/RecordUpload.h"

#include <QObject>
#include <QSet>

class Clock;
class QNetworkAccessManager;
class LogModel;
class SecretStore;
class UserDefaults;

/** "Upload as logged" for QRZ.com's logbook and Wavelog: with the service's setting on, a QSO
 *  written through LogModel that still waits for the service is sent right away. A failure
 *  leaves it waiting (the next upload sends it); the marks the upload writes announce the QSO
 *  again, but then it no longer waits. QSOs brought in by the synced logbook are left to the
 *  device that logged them. */
class AutoUpload : public QObject {
    Q_OBJECT
public:
    AutoUpload(LogModel &log, QNetworkAccessManager &network, UserDefaults &defaults,
               SecretStore &secrets, const Clock &clock, QObject *parent = nullptr);

    /** The ids announced and still waiting, per service; the rest follow when a run ends. */
    void take(const QsoChange &change);

signals:
    /** A run ended (for the screens' counts). */
    void uploaded(uploadmarks::Service service, const RecordUpload::Outcome &outcome);

private:
    struct Lane {
        uploadmarks::Service service;
        RecordUpload *run = nullptr;
        QSet<qint64> queued;
    };
    void startLane(Lane &lane);
    [[nodiscard]] bool enabled(uploadmarks::Service service) const;

    LogModel &m_log;
    UserDefaults &m_defaults;
    SecretStore &m_secrets;
    HttpClient m_http;
    Lane m_qrz;
    Lane m_wavelog;
};
