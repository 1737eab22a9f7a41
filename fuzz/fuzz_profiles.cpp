// Any bytes as a list of station profiles another device wrote into the synced log's settings.
// Nothing may crash; an accepted list is within its bound and, written out and read again, is the
// same list.

#include "station/ProfileList.h"

#include <QJsonArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QList<StationProfile>> list = station::parseProfileList(bytes);
    if (!list)
        return 0;
    if (list->size() > station::kMostProfiles)
        std::abort();
    QJsonArray written;
    for (const StationProfile &profile : *list)
        written.append(profile.toJson());
    if (station::profilesFromJson(written) != list)
        std::abort();
    return 0;
}
