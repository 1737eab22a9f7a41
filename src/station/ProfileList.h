#pragma once

#include "station/StationProfile.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>

#include <optional>

namespace station {

/** More profiles than anyone keeps: a longer list is taken for a damaged one. */
inline constexpr qsizetype kMostProfiles = 200;

/** A list of profiles read from JSON (the data folder's file, or the synced log's settings,
 *  which another device wrote): an array of objects whose members are texts. Each profile is
 *  normalised and held to the rules of profileProblem; names are unique in any case. None when
 *  anything of this fails: a list is taken whole or not at all. */
[[nodiscard]] std::optional<QList<StationProfile>> profilesFromJson(const QJsonValue &list);
/** The same from the text of a JSON array. */
[[nodiscard]] std::optional<QList<StationProfile>> parseProfileList(const QByteArray &json);

} // namespace station
