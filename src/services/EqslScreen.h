#pragma once

#include "services/EqslDownload.h"
#include "services/EqslUpload.h"
#include "services/HttpClient.h"
#include "services/QslResultModel.h"

#include <QObject>
#include <QVariantList>

class Clock;
class LogModel;
class QNetworkAccessManager;
class SecretStore;
class UserDefaults;

/** The eQSL screen (both layouts): the account fields and message note, Download and Upload, the
 *  status line with its progress, the server's page, the upload confirmation and the list of the
 *  eQSLs received. */
class EqslScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString user READ user WRITE setUser NOTIFY accountChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY accountChanged)
    Q_PROPERTY(QString keyringWarning READ keyringWarning NOTIFY keyringWarningChanged)
    Q_PROPERTY(QString qth READ qth WRITE setQth NOTIFY accountChanged)
    Q_PROPERTY(QString lastDownload READ lastDownload WRITE setLastDownload NOTIFY accountChanged)
    Q_PROPERTY(QString comment READ comment WRITE setComment NOTIFY accountChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(QString status READ status NOTIFY stateChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
    Q_PROPERTY(QString page READ page NOTIFY stateChanged)
    Q_PROPERTY(bool confirmVisible READ confirmVisible NOTIFY stateChanged)
    Q_PROPERTY(QslResultModel *results READ results CONSTANT)
    Q_PROPERTY(QString uploadQuestion READ uploadQuestion CONSTANT)
    Q_PROPERTY(QString yesText READ yesText CONSTANT)
    Q_PROPERTY(QString cancelText READ cancelText CONSTANT)
public:
    EqslScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets, const Clock &clock,
               QNetworkAccessManager &network, QObject *parent = nullptr);

    [[nodiscard]] const QString &user() const { return m_account.user; }
    [[nodiscard]] const QString &password() const { return m_account.password; }
    /** Why passwords stay in the logbook and the settings file; empty while the keyring
     *  serves. */
    [[nodiscard]] QString keyringWarning() const;
    [[nodiscard]] const QString &qth() const { return m_account.qth; }
    [[nodiscard]] const QString &lastDownload() const { return m_account.lastDownload; }
    [[nodiscard]] const QString &comment() const { return m_comment; }
    void setUser(const QString &user);
    void setPassword(const QString &password);
    void setQth(const QString &qth);
    void setLastDownload(const QString &last);
    void setComment(const QString &comment);

    [[nodiscard]] bool busy() const { return m_download.isBusy() || m_upload.isBusy(); }
    [[nodiscard]] const QString &status() const { return m_status; }
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }
    [[nodiscard]] double progress() const { return m_progress; }
    [[nodiscard]] const QString &page() const { return m_page; }
    [[nodiscard]] bool confirmVisible() const { return m_confirmVisible; }
    [[nodiscard]] QslResultModel *results() { return &m_results; }
    [[nodiscard]] static QString uploadQuestion();
    [[nodiscard]] static QString yesText();
    [[nodiscard]] static QString cancelText();

    /** The Download button. */
    Q_INVOKABLE void download();
    /** The Upload button: the QSOs with these ids (the log list's selection), or with none given
     *  every QSO waiting for an upload. */
    Q_INVOKABLE void upload(const QVariantList &ids = {});
    /** The user judged the server's page a success (tablet confirm button, phone "Yes"). */
    Q_INVOKABLE void confirmUpload();
    /** The phone's "Cancel": nothing changes. */
    Q_INVOKABLE void cancelUpload();
    /** User name, password and QTH nickname: their editing ended. */
    Q_INVOKABLE void saveAccount();
    /** The screen closes: the message note is kept. */
    Q_INVOKABLE void close();

signals:
    void keyringWarningChanged();
    void accountChanged();
    void stateChanged();
    /** An alert: title, message and its one button. */
    void alertRequested(const QString &title, const QString &message, const QString &button);

private:
    void readAccount();
    void setStatus(const QString &text, bool error);
    void showReadiness();

    LogModel &m_log;
    SecretStore &m_secrets;
    HttpClient m_http;
    EqslDownload m_download;
    EqslUpload m_upload;
    EqslDownload::Account m_account;
    QString m_comment;
    QString m_status;
    bool m_statusIsError = false;
    double m_progress = 0.0;
    QString m_page;
    bool m_confirmVisible = false;
    QslResultModel m_results;
};
