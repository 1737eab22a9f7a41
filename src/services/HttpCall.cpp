#include "services/HttpCall.h"

#include "app/Diagnostics.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

/** Qt's own error strings may quote the URL with its query (the password): these never do. */
QString networkErrorText(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return HttpCall::tr("connection refused");
    case QNetworkReply::RemoteHostClosedError:
        return HttpCall::tr("the server closed the connection");
    case QNetworkReply::HostNotFoundError:
        return HttpCall::tr("host not found");
    case QNetworkReply::TimeoutError:
        return HttpCall::tr("time-out");
    case QNetworkReply::SslHandshakeFailedError:
        return HttpCall::tr("the secure connection could not be verified");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return HttpCall::tr("no network");
    default:
        return HttpCall::tr("network error %1").arg(int(error));
    }
}

} // namespace

HttpCall::HttpCall(QNetworkReply *reply, QString description, int timeoutMs, int deadlineMs,
                   qint64 maxReplyBytes, QObject *parent)
    : QObject(parent), m_reply(reply), m_description(std::move(description)),
      m_maxReplyBytes(maxReplyBytes)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    const auto timeUp = [this] {
        if (!m_reply)
            return;
        m_timedOut = true;
        m_reply->abort();
    };
    connect(&m_timeout, &QTimer::timeout, this, timeUp);
    // A server sending a byte now and then keeps the time-out away, never the deadline.
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(deadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, timeUp);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        touch();
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && refuseAbove(length.toLongLong()))
            return;
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!m_started && !status.isNull()) {
            m_started = true;
            emit responseStarted(status.toInt());
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 done, qint64 total) {
        touch();
        if (refuseAbove(done))
            return;
        emit progress(done, total);
    });
    connect(reply, &QNetworkReply::uploadProgress, this, [this](qint64 done, qint64 total) {
        touch();
        if (total > 0) {
            emit progress(done, total);
            emit sent(done, total);
        }
    });
    connect(reply, &QNetworkReply::finished, this, &HttpCall::onFinished);
    m_timeout.start();
    m_deadline.start();
}

HttpCall::~HttpCall()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void HttpCall::touch()
{
    m_timeout.start();
}

bool HttpCall::refuseAbove(qint64 bytes)
{
    // A server (or whatever answers in its place) must not fill the memory.
    if (bytes <= m_maxReplyBytes || !m_reply)
        return false;
    m_tooLarge = true;
    m_reply->abort();
    return true;
}

void HttpCall::abort()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void HttpCall::onFinished()
{
    m_timeout.stop();
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    HttpResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // A reply cut off for its size or its time is no answer the caller could use.
    const bool cutOff = m_tooLarge || m_timedOut;
    result.status = status.isNull() || cutOff ? 0 : status.toInt();
    if (reply->isOpen() && !cutOff)
        result.body = reply->readAll();
    result.timedOut = m_timedOut;
    if (m_tooLarge)
        result.error = tr("The server's reply is too large");
    else if (m_timedOut)
        result.error = tr("The server did not answer in time");
    else if (m_cancelled)
        result.error = tr("Cancelled");
    else if (result.status == 0)
        result.error = tr("Could not reach %1 (%2)")
                           .arg(reply->url().host(), networkErrorText(reply->error()));
    else if (result.status != 200)
        result.error = tr("HTTP error %1").arg(result.status);
    if (result.status == 0 && !result.error.isEmpty()) {
        // The error text of Qt may quote the whole URL with its query: log our own form.
        diag(QStringLiteral("Error while fetching: %1 (%2)")
                 .arg(m_description)
                 .arg(m_tooLarge   ? QStringLiteral("reply too large")
                      : m_timedOut ? QStringLiteral("time-out")
                                   : QString::number(int(reply->error()))));
    }
    emit finished(result);
}
