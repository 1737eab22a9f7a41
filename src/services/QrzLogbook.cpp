#include "services/QrzLogbook.h"

#include "app/SecretStoreAccess.h"
#include "services/QrzReply.h"
#include "services/UploadTexts.h"

#include <QBuffer>
#include <QUrl>

namespace qrzlog {
namespace {

/** The keyring entry; one QRZ key is kept per user, whichever logbook is open. */
QString keyringKey()
{
    return secrets::keyFor(QLatin1String(kKeyEntry), QStringLiteral("logbook.qrz.com"));
}

} // namespace

QString apiKey(SecretStore &secrets, UserDefaults &defaults)
{
    return secrets::read(secrets, keyringKey(),
                         secrets::settingsCopy(defaults, QLatin1String(kKeyEntry)));
}

bool setApiKey(SecretStore &secrets, UserDefaults &defaults, const QString &key)
{
    return secrets::write(secrets, keyringKey(),
                          secrets::settingsCopy(defaults, QLatin1String(kKeyEntry)), key);
}

QByteArray formBody(const HttpClient::Query &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

HttpCall *post(HttpClient &http, const QString &host, const HttpClient::Query &fields)
{
    auto *body = new QBuffer;
    body->setData(formBody(fields));
    body->open(QIODevice::ReadOnly);
    HttpCall *call =
        http.postStream(host, QLatin1String(kPath), "application/x-www-form-urlencoded", body);
    body->setParent(call); // lives as long as the request
    return call;
}

RecordUpload::Protocol insertProtocol(const QString &host, const QString &key)
{
    RecordUpload::Protocol protocol;
    protocol.service = uploadmarks::Service::Qrz;
    protocol.send = [host, key](HttpClient &http, const QString &record) {
        return post(http, host,
                    {{QStringLiteral("KEY"), key},
                     {QStringLiteral("ACTION"), QStringLiteral("INSERT")},
                     {QStringLiteral("ADIF"), record}});
    };
    protocol.judge = &judgeInsert;
    return protocol;
}

RecordUpload::Verdict judgeInsert(const HttpResult &result)
{
    using Kind = RecordUpload::Verdict::Kind;
    if (result.status == 0)
        return {Kind::Stop, result.error, {}};
    const Reply reply = parseReply(result.body);
    if (reply.result == Reply::Result::NotAReply)
        return {Kind::Stop,
                result.status == 200
                    ? uploadtexts::shown(uploadtexts::kUnreadable).arg(QStringLiteral("QRZ.com"))
                    : result.error,
                {}};
    if (reply.isBadKey())
        return {Kind::Stop,
                uploadtexts::shown(uploadtexts::kKeyRefused)
                    .arg(QStringLiteral("QRZ.com"),
                         reply.reason.isEmpty() ? QStringLiteral("AUTH") : reply.reason),
                {}};
    switch (reply.result) {
    case Reply::Result::Ok:
    case Reply::Result::Replace:
        return {Kind::Accepted, {}, reply.logId};
    case Reply::Result::Fail:
        if (reply.isDuplicate())
            return {Kind::Duplicate, reply.reason, {}};
        return {Kind::Refused, reply.reason, {}};
    default:
        return {Kind::Stop, reply.reason, {}};
    }
}

} // namespace qrzlog
