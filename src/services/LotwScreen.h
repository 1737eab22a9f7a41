#pragma once

#include "services/HttpClient.h"
#include "services/LotwDownload.h"
#include "services/QslResultModel.h"

#include <QObject>

class DXCCModel;
class LogModel;
class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** The LoTW screen (both layouts): the account fields, the Load button, the status line with its
 *  progress, the report page when the server sent one, and the list of what each QSL brought. */
class LotwScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString user READ user WRITE setUser NOTIFY accountChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY accountChanged)
    Q_PROPERTY(QString keyringWarning READ keyringWarning NOTIFY keyringWarningChanged)
    Q_PROPERTY(QString ownCall READ ownCall WRITE setOwnCall NOTIFY accountChanged)
    Q_PROPERTY(QString lastQsl READ lastQsl WRITE setLastQsl NOTIFY accountChanged)
    Q_PROPERTY(bool useDetails READ useDetails WRITE setUseDetails NOTIFY accountChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(QString status READ status NOTIFY stateChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
    Q_PROPERTY(QString page READ page NOTIFY stateChanged)
    Q_PROPERTY(QString pageBaseUrl READ pageBaseUrl NOTIFY stateChanged)
    Q_PROPERTY(QslResultModel *results READ results CONSTANT)
public:
    LotwScreen(LogModel &log, DXCCModel &dxcc, UserDefaults &defaults, SecretStore &secrets,
               const Clock &clock, QNetworkAccessManager &network, QObject *parent = nullptr);

    [[nodiscard]] const QString &user() const { return m_account.user; }
    [[nodiscard]] const QString &password() const { return m_account.password; }
    /** Why passwords stay in the logbook and the settings file; empty while the keyring
     *  serves. */
    [[nodiscard]] QString keyringWarning() const;
    [[nodiscard]] const QString &ownCall() const { return m_account.ownCall; }
    [[nodiscard]] const QString &lastQsl() const { return m_account.lastQsl; }
    [[nodiscard]] bool useDetails() const { return m_account.useDetails; }
    void setUser(const QString &user);
    void setPassword(const QString &password);
    void setOwnCall(const QString &call);
    /** Kept as typed until normaliseLastQsl(). */
    void setLastQsl(const QString &lastQsl);
    /** Saved at once. */
    void setUseDetails(bool use);

    [[nodiscard]] bool busy() const { return m_download.isBusy(); }
    [[nodiscard]] const QString &status() const { return m_status; }
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }
    /** 0–1 while the size is known, -1 while it is not. */
    [[nodiscard]] double progress() const { return m_progress; }
    /** The page the server sent instead of a report; empty otherwise. */
    [[nodiscard]] const QString &page() const { return m_page; }
    [[nodiscard]] const QString &pageBaseUrl() const { return m_pageBaseUrl; }
    [[nodiscard]] QslResultModel *results() { return &m_results; }

    /** The Load button. */
    Q_INVOKABLE void load();
    /** User name, password and own callsign: their editing ended. */
    Q_INVOKABLE void saveAccount();
    /** The last-QSL field's editing ended: a valid date is rewritten in the stored form,
     *  anything else gives back the stored value. It is stored only by a download. */
    Q_INVOKABLE void normaliseLastQsl();

signals:
    void keyringWarningChanged();
    void accountChanged();
    void stateChanged();

private:
    void readAccount();
    void setStatus(const QString &text, bool error);
    void finished(const lotw::Applied &applied);

    LogModel &m_log;
    DXCCModel &m_dxcc;
    SecretStore &m_secrets;
    HttpClient m_http;
    LotwDownload m_download;
    LotwDownload::Account m_account;
    QString m_status;
    bool m_statusIsError = false;
    double m_progress = 0.0;
    QString m_page;
    QString m_pageBaseUrl;
    QslResultModel m_results;
};
