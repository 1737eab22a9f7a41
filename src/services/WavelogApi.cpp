#include "services/WavelogApi.h"

#include "app/SecretStoreAccess.h"
#include "app/UserDefaults.h"
#include "services/UploadTexts.h"
#include "services/WavelogReply.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace wavelog {
namespace {

QString keyringKey(UserDefaults &defaults)
{
    // Named after the instance without any user part of its address.
    const QUrl url(defaults.string(QLatin1String(kHostKey)));
    return secrets::keyFor(QLatin1String(kKeyEntry),
                           url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery |
                                        QUrl::RemoveFragment | QUrl::StripTrailingSlash)
                               .toString());
}

} // namespace

QString apiKey(SecretStore &secrets, UserDefaults &defaults)
{
    return secrets::read(secrets, keyringKey(defaults),
                         secrets::settingsCopy(defaults, QLatin1String(kKeyEntry)));
}

bool setApiKey(SecretStore &secrets, UserDefaults &defaults, const QString &key)
{
    return secrets::write(secrets, keyringKey(defaults),
                          secrets::settingsCopy(defaults, QLatin1String(kKeyEntry)), key);
}

QByteArray requestBody(const QString &key, const QString &stationId, const QString &record)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("key"), key},
                                     {QStringLiteral("station_profile_id"), stationId},
                                     {QStringLiteral("type"), QStringLiteral("adif")},
                                     {QStringLiteral("string"), record}})
        .toJson(QJsonDocument::Compact);
}

RecordUpload::Protocol qsoProtocol(const QString &host, const QString &key,
                                   const QString &stationId)
{
    RecordUpload::Protocol protocol;
    protocol.service = uploadmarks::Service::Wavelog;
    protocol.send = [host, key, stationId](HttpClient &http, const QString &record) {
        auto *body = new QBuffer;
        body->setData(requestBody(key, stationId, record));
        body->open(QIODevice::ReadOnly);
        HttpCall *call = http.postStream(host, QLatin1String(kPath), "application/json", body);
        body->setParent(call);
        return call;
    };
    protocol.judge = &judgeReply;
    return protocol;
}

RecordUpload::Verdict judgeReply(const HttpResult &result)
{
    using Kind = RecordUpload::Verdict::Kind;
    if (result.status == 0)
        return {Kind::Stop, result.error, {}};
    const Reply reply = parseReply(result.status, result.body);
    switch (reply.verdict) {
    case Reply::Verdict::Created:
        return {Kind::Accepted, {}, {}};
    case Reply::Verdict::Duplicate:
        return {Kind::Duplicate, reply.reason, {}};
    case Reply::Verdict::Refused:
        return {Kind::Refused, reply.reason, {}};
    case Reply::Verdict::BadKey:
        return {Kind::Stop,
                uploadtexts::shown(uploadtexts::kKeyRefused)
                    .arg(QStringLiteral("Wavelog"), reply.reason),
                {}};
    case Reply::Verdict::NotAReply:
        break;
    }
    return {Kind::Stop,
            result.status == 200 || result.status == 201
                ? uploadtexts::shown(uploadtexts::kUnreadable).arg(QStringLiteral("Wavelog"))
                : result.error,
            {}};
}

} // namespace wavelog
