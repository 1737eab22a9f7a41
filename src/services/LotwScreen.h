#pragma once

#include "services/HttpClient.h"
#include "services/LotwDownload.h"
#include "services/LotwUpload.h"
#include "services/QslResultModel.h"

#include <QObject>

class DXCCModel;
class LogModel;
class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** The LoTW screen (both layouts): the account fields, the Load button, the status line with its
 *  progress, the report page when the server sent one, and the list of what each QSL brought;
 *  below, the upload through TQSL: its program and station location, the QSOs waiting, the last
 *  upload, and TQSL's own words. */
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
    Q_PROPERTY(QString tqslPath READ tqslPath WRITE setTqslPath NOTIFY uploadSettingsChanged)
    Q_PROPERTY(QString stationLocation READ stationLocation WRITE setStationLocation NOTIFY
                   uploadSettingsChanged)
    Q_PROPERTY(bool tqslFound READ tqslFound NOTIFY uploadSettingsChanged)
    Q_PROPERTY(QString tqslHint READ tqslHint NOTIFY uploadSettingsChanged)
    Q_PROPERTY(bool uploading READ uploading NOTIFY uploadChanged)
    Q_PROPERTY(QString uploadStatus READ uploadStatus NOTIFY uploadChanged)
    Q_PROPERTY(bool uploadStatusIsError READ uploadStatusIsError NOTIFY uploadChanged)
    Q_PROPERTY(QString uploadCounts READ uploadCounts NOTIFY uploadChanged)
    Q_PROPERTY(QString lastUpload READ lastUpload NOTIFY uploadChanged)
    Q_PROPERTY(QString tqslOutput READ tqslOutput NOTIFY uploadChanged)
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

    [[nodiscard]] QString tqslPath() const;
    [[nodiscard]] QString stationLocation() const;
    void setTqslPath(const QString &path);
    void setStationLocation(const QString &location);
    [[nodiscard]] bool tqslFound() const;
    /** How to install TQSL while it is not found; empty otherwise. */
    [[nodiscard]] QString tqslHint() const;
    [[nodiscard]] bool uploading() const { return m_upload.isBusy(); }
    [[nodiscard]] const QString &uploadStatus() const { return m_uploadStatus; }
    [[nodiscard]] bool uploadStatusIsError() const { return m_uploadStatusIsError; }
    /** "N QSO(s) waiting for LoTW", as of the last refreshUploadCounts(). */
    [[nodiscard]] const QString &uploadCounts() const { return m_uploadCounts; }
    [[nodiscard]] QString lastUpload() const;
    [[nodiscard]] QString tqslOutput() const { return m_tqslOutput.join(QLatin1Char('\n')); }

    /** The Upload button: the waiting QSOs to TQSL with the chosen station location. */
    Q_INVOKABLE void upload();
    /** Counts the waiting QSOs (a read of the whole logbook: done when the screen shows). */
    Q_INVOKABLE void refreshUploadCounts();

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
    void uploadSettingsChanged();
    void uploadChanged();

private:
    void readAccount();
    void setStatus(const QString &text, bool error);
    void finished(const lotw::Applied &applied);
    void uploaded(const LotwUpload::Outcome &outcome);

    LogModel &m_log;
    DXCCModel &m_dxcc;
    UserDefaults &m_defaults;
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
    LotwUpload m_upload;
    QString m_uploadStatus;
    bool m_uploadStatusIsError = false;
    QString m_uploadCounts;
    QStringList m_tqslOutput;
};
