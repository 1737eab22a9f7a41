#pragma once

#include "refdata/ModesList.h"
#include "services/EqslApply.h"
#include "services/HttpClient.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <memory>

class Clock;
class LogModel;
class UserDefaults;

/** The two-step eQSL inbox download (a page that links the built ADIF file, then the file)
 *  and its application to the logbook the download started on, on a worker thread in one
 *  transaction. Used by the eQSL screen and the command line. */
class EqslDownload : public QObject {
    Q_OBJECT
public:
    struct Account {
        QString user;
        QString password;
        QString qth;          // QTH nickname, may be empty
        QString lastDownload; // "yyyy-MM-dd HH:mm:ss"; shorter texts ask for the whole inbox
    };

    EqslDownload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                 QObject *parent = nullptr);
    ~EqslDownload() override;

    [[nodiscard]] bool isBusy() const { return m_busy; }
    [[nodiscard]] static HttpClient::Query query(const Account &account);

    /** Refused (false) while busy. The time of this call becomes the last download's once the
     *  inbox is applied: eQSLs arriving meanwhile come with the next one. */
    bool download(const Account &account, LogModel &log);
    /** Applies a saved inbox file instead of downloading one; the last download stays. */
    bool applyInbox(const QByteArray &inbox, LogModel &log);

signals:
    void statusChanged(const QString &text, bool error);
    void progress(qint64 done, qint64 total);
    /** The server answered with a page that is neither link nor known message. */
    void pageReceived(const QString &html);
    /** A network failure: title, message and button of the alert. */
    void alertRequested(const QString &title, const QString &message, const QString &button);
    void finished(const eqsl::Applied &applied);

private:
    bool prepare(LogModel &log);
    void firstStepDone(const HttpResult &result);
    void networkFailed(const HttpResult &result);
    void startWorker(QByteArray bytes);
    void end(const eqsl::Applied &applied);
    void fail(const QString &status);
    HttpCall *track(HttpCall *call);

    HttpClient &m_http;
    UserDefaults &m_defaults;
    /** Told what the run wrote (it may be gone by then). */
    QPointer<LogModel> m_log;
    const Clock &m_clock;
    std::unique_ptr<HttpCall> m_call;
    QThread *m_worker = nullptr;
    std::shared_ptr<eqsl::Applied> m_result;
    QString m_path;
    QString m_startedAt;
    formats::DateStyle m_style = formats::DateStyle::Short;
    adif::ModesList m_modes;
    bool m_busy = false;
};
