#pragma once

#include "model/QsoClass.h"
#include "services/HttpClient.h"

#include <QObject>
#include <QPointer>

#include <memory>

class Clock;
class LogModel;

/** Fetches the confirmed QSOs of the user's QRZ.com logbook (ACTION=FETCH, STATUS:CONFIRMED, a
 *  page of 250 after another) and, once every page has arrived whole, marks the logbook's QSOs
 *  they belong to, matched as LoTW's confirmations are (LogModel::getQsoFromLotwQso): the kept
 *  fields APP_QRZLOG_STATUS "C", QRZCOM_QSO_DOWNLOAD_STATUS "Y" with QRZCOM_QSO_DOWNLOAD_DATE,
 *  and, as QRZ holds the QSO, its upload mark and APP_QRZLOG_LOGID. A failed or cut-off page
 *  changes nothing. */
class QrzDownload : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        bool ok = false;
        qint64 received = 0; // confirmations fetched
        qint64 newlyConfirmed = 0;
        qint64 notInLog = 0;
        QString error;
    };

    QrzDownload(HttpClient &http, const Clock &clock, QObject *parent = nullptr);
    ~QrzDownload() override;

    bool start(LogModel &log, const QString &host, const QString &key);
    [[nodiscard]] bool isBusy() const { return m_busy; }

signals:
    void finished(const QrzDownload::Outcome &outcome);

private:
    void fetch();
    void answered(const HttpResult &result);
    void apply();
    void end(const QString &error = {});

    HttpClient &m_http;
    const Clock &m_clock;
    bool m_busy = false;
    QString m_host;
    QString m_key;
    std::unique_ptr<LogModel> m_pinned;
    QPointer<LogModel> m_log;
    qint64 m_afterLogId = 0;
    int m_pages = 0;
    QList<QsoClass> m_confirmations;
    std::unique_ptr<HttpCall> m_call;
    Outcome m_outcome;
};

Q_DECLARE_METATYPE(QrzDownload::Outcome)
