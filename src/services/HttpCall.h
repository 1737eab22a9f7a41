#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <QNetworkReply>

/** What an HTTP exchange came to. A reply with any status has `status` set and its body kept
 *  (servers explain refusals in the page); `error` is set when the exchange itself failed
 *  (no connection, TLS refused, time-out, cancelled) or the status was not 200. */
struct HttpResult {
    int status = 0; // 0: no HTTP answer at all
    QByteArray body;
    QString error; // for the user; never holds the address or a query value
    bool timedOut = false;

    [[nodiscard]] bool ok() const { return error.isEmpty() && status == 200; }
};

/** One running request of HttpClient. It reports progress, the status as soon as the headers
 *  are in, and ends with exactly one finished(). Deletes nothing by itself: the caller owns it
 *  (or gives it a parent). */
class HttpCall : public QObject {
    Q_OBJECT
public:
    /** Takes the reply over; `description` is the redacted form of the request for logs. The
     *  request is aborted as timed out when nothing moves for `timeoutMs` or when it still runs
     *  after `deadlineMs`; a reply that announces or brings more than `maxReplyBytes` is
     *  aborted. */
    HttpCall(QNetworkReply *reply, QString description, int timeoutMs, int deadlineMs,
             qint64 maxReplyBytes, QObject *parent = nullptr);
    ~HttpCall() override;

    /** Scheme, host and path only: what a log may say about this request. */
    [[nodiscard]] const QString &description() const { return m_description; }
    [[nodiscard]] bool isRunning() const { return m_reply != nullptr; }
    /** Ends the request; finished() follows with the error "Cancelled". */
    void abort();

signals:
    /** The response's status line and headers are in. */
    void responseStarted(int status);
    /** Bytes received (downloads) or sent (uploads) so far; total -1 while unknown. */
    void progress(qint64 done, qint64 total);
    /** Bytes of the request body sent so far, of total (uploads only). */
    void sent(qint64 done, qint64 total);
    void finished(const HttpResult &result);

private:
    void onFinished();
    void touch();
    /** Aborts a reply grown past the limit; true when it did. */
    bool refuseAbove(qint64 bytes);

    QPointer<QNetworkReply> m_reply;
    QString m_description;
    QTimer m_timeout;
    QTimer m_deadline;
    qint64 m_maxReplyBytes;
    bool m_timedOut = false;
    bool m_cancelled = false;
    bool m_tooLarge = false;
    bool m_started = false;
};
