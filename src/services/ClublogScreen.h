#pragma once

#include "services/ClublogUpload.h"
#include "services/HttpClient.h"

#include <QObject>
#include <QTimer>

class Clock;
class LogModel;
class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** The Club Log screen (both layouts): the account fields, how many QSOs wait for an upload,
 *  the real-time switch, "upload all" (after the purge question) and "upload new", the status
 *  text and the progress value. With real-time upload on, every change of the logbook that
 *  leaves QSOs waiting starts a new-QSO upload in the background. */
class ClublogScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString user READ user WRITE setUser NOTIFY accountChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY accountChanged)
    Q_PROPERTY(QString keyringWarning READ keyringWarning NOTIFY keyringWarningChanged)
    Q_PROPERTY(QString callsign READ callsign WRITE setCallsign NOTIFY accountChanged)
    Q_PROPERTY(bool realTime READ realTime WRITE setRealTime NOTIFY accountChanged)
    Q_PROPERTY(QString waitingText READ waitingText NOTIFY waitingChanged)
    Q_PROPERTY(QString status READ status NOTIFY stateChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY stateChanged)
    Q_PROPERTY(int value READ value NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(bool buttonsEnabled READ buttonsEnabled NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
    Q_PROPERTY(QString purgeQuestion READ purgeQuestion CONSTANT)
    Q_PROPERTY(QString overwriteText READ overwriteText CONSTANT)
    Q_PROPERTY(QString cancelText READ cancelText CONSTANT)
public:
    /** The logbook setting that switches real-time upload on ("1") and off. */
    static constexpr char kRealTimeEntry[] = "ClublogRealTime";

    ClublogScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets, const Clock &clock,
                  QNetworkAccessManager &network, QObject *parent = nullptr);

    [[nodiscard]] const QString &user() const { return m_account.user; }
    [[nodiscard]] const QString &password() const { return m_account.password; }
    /** Why passwords stay in the logbook and the settings file; empty while the keyring
     *  serves. */
    [[nodiscard]] QString keyringWarning() const;
    [[nodiscard]] const QString &callsign() const { return m_account.callsign; }
    [[nodiscard]] bool realTime() const { return m_realTime; }
    void setUser(const QString &user);
    void setPassword(const QString &password);
    void setCallsign(const QString &callsign);
    /** Stored at once. */
    void setRealTime(bool on);

    /** "%lu QSO(s) not uploaded yet". */
    [[nodiscard]] const QString &waitingText() const { return m_waitingText; }
    [[nodiscard]] const QString &status() const { return m_status; }
    /** The status tells of a failure ("Error: …", "Upload error: …"). */
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }
    /** The upload's value: -1 busy, 0–100 percent sent, -2 idle. */
    [[nodiscard]] int value() const { return m_value; }
    [[nodiscard]] bool busy() const { return m_upload.isBusy(); }
    [[nodiscard]] bool buttonsEnabled() const { return m_value <= ClublogUpload::kEnded; }
    /** The value for a progress bar: 0–1, or -1 while the amount is not known. */
    [[nodiscard]] double progress() const { return m_value >= 0 ? m_value / 100.0 : -1.0; }
    [[nodiscard]] static QString purgeQuestion();
    [[nodiscard]] static QString overwriteText();
    [[nodiscard]] static QString cancelText();

    /** User name, password and callsign: their editing ended. */
    Q_INVOKABLE void saveAccount();
    /** "Upload all", after the user chose to overwrite the Club Log logbook. */
    Q_INVOKABLE void uploadAll();
    /** "Upload new". */
    Q_INVOKABLE void uploadNew();
    /** The screen is in front (the count is read only then: it reads the waiting QSOs). */
    void setShown(bool shown);

    [[nodiscard]] ClublogUpload &upload() { return m_upload; }

signals:
    void keyringWarningChanged();
    void accountChanged();
    void waitingChanged();
    void stateChanged();

private:
    void readAccount();
    void qsosChanged(const QsoChange &change);
    void refreshWaiting();
    void realTimeUpload();
    void uploadEnded();

    LogModel &m_log;
    SecretStore &m_secrets;
    HttpClient m_http;
    ClublogUpload m_upload;
    ClublogUpload::Account m_account;
    bool m_realTime = false;
    QString m_waitingText;
    bool m_waitingStale = true;
    bool m_shown = false;
    QString m_status;
    bool m_statusIsError = false;
    int m_value = ClublogUpload::kEnded;
    /** The running upload is a real-time one: "nothing to send" is no news then. */
    bool m_quiet = false;
    /** The logbook changed during an upload: look again when it ends. */
    bool m_changedMeanwhile = false;
    QTimer m_realTimeDelay;
};
