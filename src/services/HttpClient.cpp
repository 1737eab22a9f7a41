#include "services/HttpClient.h"

#include "app/UserDefaults.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QSslConfiguration>

#include <algorithm>

#ifndef BRINDLEWICK_VERSION
#define BRINDLEWICK_VERSION "0"
#endif

namespace {

QNetworkRequest makeRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    // Services limit programs that do not say who they are (QRZ.com asks for a name and version).
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Brindlewick/" BRINDLEWICK_VERSION));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Only ever to a server at least as safe: an https address never falls back to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    if (url.scheme() == QLatin1String("https")) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
        request.setSslConfiguration(tls);
    }
    return request;
}

QByteArray randomBoundary()
{
    static constexpr char kAlphabet[] =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QByteArray boundary = "----------------------------";
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < 32; ++i)
        boundary += kAlphabet[random->bounded(int(sizeof(kAlphabet) - 1))];
    return boundary;
}

} // namespace

HttpClient::HttpClient(QNetworkAccessManager &network, int timeoutMs)
    : m_network(network), m_timeoutMs(timeoutMs)
{}

HttpClient::HttpClient(QNetworkAccessManager &network, const UserDefaults &defaults)
    : HttpClient(network, kDefaultTimeoutMs)
{
    const qint64 seconds = defaults.integer(QStringLiteral("HttpTimeout"));
    if (seconds > 0)
        m_timeoutMs = int(std::min<qint64>(seconds, 3600) * 1000);
}

QUrl HttpClient::buildUrl(const QString &base, const QString &path, const Query &query,
                          Separator separator)
{
    QString text = base;
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    QUrl url(text + path, QUrl::StrictMode);
    QByteArray encoded;
    for (const auto &[name, value] : query) {
        if (!encoded.isEmpty())
            encoded += separator == Separator::Semicolon ? ';' : '&';
        encoded += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    if (!encoded.isEmpty())
        url.setQuery(QString::fromLatin1(encoded), QUrl::StrictMode);
    return url;
}

QString HttpClient::describe(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
}

std::pair<QByteArray, QByteArray> HttpClient::multipartBody(const FilePart &file)
{
    QByteArray boundary = randomBoundary();
    while (file.contents.contains(boundary))
        boundary = randomBoundary();
    QByteArray body;
    body += "--" + boundary + "\r\n";
    body += "Content-Disposition: form-data; name=\"" + file.fieldName.toUtf8() +
            "\"; filename=\"" + file.fileName.toUtf8() + "\"\r\n";
    body += "Content-Type: " + file.contentType + "\r\n\r\n";
    body += file.contents + "\r\n";
    body += "--" + boundary + "--\r\n";
    return {body, boundary};
}

HttpCall *HttpClient::get(const QString &base, const QString &path, const Query &query,
                          QObject *parent)
{
    return get(base, path, query, Separator::Ampersand, parent);
}

HttpCall *HttpClient::get(const QString &base, const QString &path, const Query &query,
                          Separator separator, QObject *parent)
{
    const QUrl url = buildUrl(base, path, query, separator);
    return new HttpCall(m_network.get(makeRequest(url)), describe(url), m_timeoutMs, m_deadlineMs,
                        m_maxReplyBytes, parent);
}

HttpCall *HttpClient::postFile(const QString &base, const QString &path, const FilePart &file,
                               QObject *parent)
{
    const QUrl url = buildUrl(base, path, {});
    QNetworkRequest request = makeRequest(url);
    const auto [body, boundary] = multipartBody(file);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArray("multipart/form-data; boundary=") + boundary);
    return new HttpCall(m_network.post(request, body), describe(url), m_timeoutMs, m_deadlineMs,
                        m_maxReplyBytes, parent);
}

HttpCall *HttpClient::postStream(const QString &base, const QString &path,
                                 const QByteArray &contentType, QIODevice *body, QObject *parent)
{
    const QUrl url = buildUrl(base, path, {});
    QNetworkRequest request = makeRequest(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    // Known up front, so the body is sent as it is read rather than gathered first.
    request.setHeader(QNetworkRequest::ContentLengthHeader, body->size() - body->pos());
    return new HttpCall(m_network.post(request, body), describe(url), m_timeoutMs, m_deadlineMs,
                        m_maxReplyBytes, parent);
}
