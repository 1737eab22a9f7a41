#pragma once

#include "services/HttpClient.h"
#include "services/RecordUpload.h"

#include <QObject>

#include <optional>

class Clock;
class LogModel;
class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** What the QRZ.com logbook and Wavelog sections of the QSL tab share (both layouts): the API
 *  key, the "upload as logged" switch, how many QSOs wait, the last upload, the counts of the
 *  last run, the status and "Upload". The service's screen says where and how to send. */
class UploadScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString apiKey READ apiKey WRITE setApiKey NOTIFY accountChanged)
    Q_PROPERTY(QString keyringWarning READ keyringWarning NOTIFY keyringWarningChanged)
    Q_PROPERTY(
        bool uploadAsLogged READ uploadAsLogged WRITE setUploadAsLogged NOTIFY accountChanged)
    Q_PROPERTY(QString waitingText READ waitingText NOTIFY waitingChanged)
    Q_PROPERTY(QString lastUploadText READ lastUploadText NOTIFY stateChanged)
    Q_PROPERTY(QString countsText READ countsText NOTIFY stateChanged)
    Q_PROPERTY(QString status READ status NOTIFY stateChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
public:
    struct Keys {
        const char *uploadAsLogged;
        const char *lastUpload;
    };

    UploadScreen(uploadmarks::Service service, Keys keys, LogModel &log, UserDefaults &defaults,
                 SecretStore &secrets, const Clock &clock, QNetworkAccessManager &network,
                 QObject *parent = nullptr);

    [[nodiscard]] const QString &apiKey() const { return m_apiKey; }
    /** Kept in the keyring at once. */
    void setApiKey(const QString &key);
    [[nodiscard]] QString keyringWarning() const;
    [[nodiscard]] bool uploadAsLogged() const;
    void setUploadAsLogged(bool on);
    /** "%1 QSO(s) not uploaded yet". */
    [[nodiscard]] const QString &waitingText() const { return m_waitingText; }
    /** The date and time of the last upload that the service took something of, or "never". */
    [[nodiscard]] QString lastUploadText() const;
    /** "%1 QSO(s) sent, %2 there already" of the last run; empty before one. */
    [[nodiscard]] const QString &countsText() const { return m_countsText; }
    [[nodiscard]] const QString &status() const { return m_status; }
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }
    [[nodiscard]] virtual bool busy() const { return m_upload.isBusy(); }
    /** 0–1 while sending; -1 idle. */
    [[nodiscard]] double progress() const { return m_progress; }

    /** Sends the QSOs waiting for the service. */
    Q_INVOKABLE void upload();
    /** The screen is in front: the key and the count are read only then. */
    Q_INVOKABLE void setShown(bool shown);

signals:
    void accountChanged();
    void keyringWarningChanged();
    void waitingChanged();
    void stateChanged();

protected:
    /** How to reach the service with the settings now; none (after setting the status) when
     *  something is missing. */
    [[nodiscard]] virtual std::optional<RecordUpload::Protocol> protocol() = 0;
    [[nodiscard]] virtual QString readKey() = 0;
    virtual bool storeKey(const QString &key) = 0;
    void setStatus(const QString &text, bool isError);
    void refreshWaiting();

    LogModel &m_log;
    UserDefaults &m_defaults;
    SecretStore &m_secrets;
    const Clock &m_clock;
    HttpClient m_http;

private:
    void uploaded(const RecordUpload::Outcome &outcome);

    uploadmarks::Service m_service;
    Keys m_keys;
    RecordUpload m_upload;
    QString m_apiKey;
    bool m_keyRead = false;
    bool m_shown = false;
    bool m_waitingStale = true;
    QString m_waitingText;
    QString m_countsText;
    QString m_status;
    bool m_statusIsError = false;
    double m_progress = -1.0;
};
