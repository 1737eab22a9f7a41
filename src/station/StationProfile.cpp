#include "station/StationProfile.h"

#include <array>

namespace {

// The JSON names are those of the file in the data folder and of the synced log's entry.
struct Member {
    const char *key;
    QString StationProfile::*field;
    bool capitals;
};

const std::array<Member, 15> kMembers{{
    {"name", &StationProfile::name, false},
    {"callsign", &StationProfile::callsign, true},
    {"operator", &StationProfile::operatorCall, true},
    {"locator", &StationProfile::locator, true},
    {"iota", &StationProfile::iota, true},
    {"pota", &StationProfile::pota, true},
    {"sota", &StationProfile::sota, true},
    {"wwff", &StationProfile::wwff, true},
    {"state", &StationProfile::state, false},
    {"county", &StationProfile::county, false},
    {"cq", &StationProfile::cqZone, false},
    {"itu", &StationProfile::ituZone, false},
    {"power", &StationProfile::power, false},
    {"rig", &StationProfile::rig, false},
    {"antenna", &StationProfile::antenna, false},
}};

} // namespace

void StationProfile::normalise()
{
    for (const Member &member : kMembers) {
        QString &text = this->*member.field;
        text = text.trimmed();
        if (member.capitals)
            text = text.toUpper();
    }
}

QJsonObject StationProfile::toJson() const
{
    QJsonObject object;
    for (const Member &member : kMembers)
        if (const QString &text = this->*member.field;
            !text.isEmpty() || member.field == &StationProfile::name)
            object.insert(QLatin1String(member.key), text);
    return object;
}

StationProfile StationProfile::fromJson(const QJsonObject &object)
{
    StationProfile profile;
    for (const Member &member : kMembers)
        profile.*member.field = object.value(QLatin1String(member.key)).toString();
    return profile;
}
