#pragma once

#include "services/HttpClient.h"
#include "services/LotwApply.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <memory>

class Clock;
class LogModel;
class UserDefaults;

/** Downloads the LoTW report of the QSLs received since the last one and applies it to the
 *  logbook the download started on: parsing and writing run on a worker thread, in one
 *  transaction. Used by the LoTW screen and the command line. */
class LotwDownload : public QObject {
    Q_OBJECT
public:
    struct Account {
        QString user;
        QString password;
        QString ownCall; // may be empty
        QString lastQsl; // "yyyy-MM-dd HH:mm:ss" or anything else (then all QSLs are asked for)
        bool useDetails = false;
    };

    LotwDownload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                 QObject *parent = nullptr);
    ~LotwDownload() override;

    [[nodiscard]] bool isBusy() const { return m_busy; }

    /** The query of the report request, in order; the since-date is one second after lastQsl. */
    [[nodiscard]] static HttpClient::Query query(const Account &account);

    /** Downloads and applies; ends with finished(). Refused (false) while busy. */
    bool download(const Account &account, LogModel &log, const lotw::EntityTable &entities);
    /** Applies a saved report instead of downloading one. */
    bool applyReport(const QByteArray &report, bool useDetails, LogModel &log,
                     const lotw::EntityTable &entities);

signals:
    /** A status line for the screen; `error` lines are shown in red. */
    void statusChanged(const QString &text, bool error);
    /** Bytes received or QSLs processed so far out of total (-1 unknown). */
    void progress(qint64 done, qint64 total);
    /** The reply was a page instead of a report (a login error, say): shown to the user. */
    void pageReceived(const QString &html, const QString &baseUrl);
    /** The run ended; `applied.ok` tells whether the logbook took it. */
    void finished(const lotw::Applied &applied);

private:
    struct Job {
        QByteArray bytes;
        QString path;
        formats::DateStyle style = formats::DateStyle::Short;
        bool useDetails = false;
        lotw::EntityTable entities;
        QDateTime now; // when the download started
    };
    bool prepare(LogModel &log, const lotw::EntityTable &entities, bool useDetails);
    void startWorker(QByteArray bytes);
    void end(const lotw::Applied &applied);

    HttpClient &m_http;
    UserDefaults &m_defaults;
    /** Told what the run wrote (it may be gone by then). */
    QPointer<LogModel> m_log;
    const Clock &m_clock;
    std::unique_ptr<HttpCall> m_call;
    QThread *m_worker = nullptr;
    Job m_job;
    std::shared_ptr<lotw::Applied> m_result;
    bool m_busy = false;
};
