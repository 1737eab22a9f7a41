#pragma once

#include "services/HttpCall.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

class QIODevice;
class QNetworkAccessManager;
class QObject;
class UserDefaults;

/** The one HTTP layer of the online services (LoTW, eQSL; Club Log and the callsign lookups
 *  are meant to use it too).
 *
 *  - The QNetworkAccessManager is handed in; tests hand in one and point the base URL at a
 *    loopback server. Base URLs are user defaults ("LotwHost", "EqslHost", …) whose shipped
 *    values are the services' HTTPS addresses.
 *  - TLS is always verified: certificate errors end the request, nothing ever ignores them.
 *  - Query values are percent-encoded one by one (everything but letters, digits and "-._~"), so
 *    a password holding "&", "=", "+", ";" or "%" reaches the server as typed.
 *  - A request that receives or sends nothing for the time-out is aborted (HttpResult.timedOut),
 *    and so is a reply larger than the limit (512 MB unless set);
 *    caches are bypassed (every reply is fresh from the server).
 *  - Progress comes as bytes done and total; the status as soon as the headers are in.
 *  - Logs get description() only: scheme, host and path, never a query value or a password.
 *
 *  Usage: `HttpCall *call = client.get(base, "/path", {{"login", user}}, parent);` then connect
 *  to call->finished. */
class HttpClient {
public:
    using Query = QList<std::pair<QString, QString>>;

    /** A file in a multipart/form-data body. */
    struct FilePart {
        QString fieldName;
        QString fileName;
        QByteArray contentType;
        QByteArray contents;
    };

    /** How query pairs are joined: "&", or ";" for a service that wants it (QRZ). */
    enum class Separator { Ampersand, Semicolon };

    static constexpr int kDefaultTimeoutMs = 60000;
    /** Far above any real report (a LoTW report of 300,000 QSOs is about 100 MB). */
    static constexpr qint64 kDefaultMaxReplyBytes = qint64(512) << 20;
    /** The longest a whole exchange may take, however steadily bytes trickle in. */
    static constexpr int kDefaultDeadlineMs = 30 * 60 * 1000;

    explicit HttpClient(QNetworkAccessManager &network, int timeoutMs = kDefaultTimeoutMs);
    /** The time-out the user default "HttpTimeout" (seconds) sets. */
    HttpClient(QNetworkAccessManager &network, const UserDefaults &defaults);

    [[nodiscard]] int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    /** Replies larger than this are aborted with "The server's reply is too large". */
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }
    /** Requests still running this long after they started are aborted as timed out. */
    void setDeadlineMs(int ms) { m_deadlineMs = ms; }
    [[nodiscard]] int deadlineMs() const { return m_deadlineMs; }

    HttpCall *get(const QString &base, const QString &path, const Query &query,
                  QObject *parent = nullptr);
    HttpCall *get(const QString &base, const QString &path, const Query &query, Separator separator,
                  QObject *parent = nullptr);
    /** A multipart/form-data POST of one file part under a random boundary. */
    HttpCall *postFile(const QString &base, const QString &path, const FilePart &file,
                       QObject *parent = nullptr);
    /** A POST whose body is read from the device while it is sent, from its current position to
     *  its end, so that a large upload never sits in memory. The device must stay open and
     *  unchanged until the call has finished. */
    HttpCall *postStream(const QString &base, const QString &path, const QByteArray &contentType,
                         QIODevice *body, QObject *parent = nullptr);

    /** The base URL with the path and the query, each value encoded by itself. */
    [[nodiscard]] static QUrl buildUrl(const QString &base, const QString &path, const Query &query,
                                       Separator separator = Separator::Ampersand);
    /** "https://host/path": what may be logged of a URL. */
    [[nodiscard]] static QString describe(const QUrl &url);
    /** A multipart body and its boundary; the boundary is random and never occurs in the
     *  contents. */
    [[nodiscard]] static std::pair<QByteArray, QByteArray> multipartBody(const FilePart &file);

private:
    QNetworkAccessManager &m_network;
    int m_timeoutMs;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
    int m_deadlineMs = kDefaultDeadlineMs;
};
