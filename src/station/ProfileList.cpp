#include "station/ProfileList.h"

#include "station/ProfileValidation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace station {

std::optional<QList<StationProfile>> profilesFromJson(const QJsonValue &list)
{
    if (!list.isArray() || list.toArray().size() > kMostProfiles)
        return std::nullopt;
    QList<StationProfile> profiles;
    QSet<QString> names;
    for (const QJsonValue &value : list.toArray()) {
        if (!value.isObject())
            return std::nullopt;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!it.value().isString())
                return std::nullopt;
        StationProfile profile = StationProfile::fromJson(object);
        profile.normalise();
        const QString key = profile.name.toCaseFolded();
        if (!profileProblem(profile).isEmpty() || names.contains(key))
            return std::nullopt;
        names.insert(key);
        profiles.append(profile);
    }
    return profiles;
}

std::optional<QList<StationProfile>> parseProfileList(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    return profilesFromJson(document.array());
}

} // namespace station
