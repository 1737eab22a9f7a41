#include "refdata/OwnExceptionList.h"

#include <QTimeZone>

namespace {

constexpr struct {
    const char *callsign;
    int adif;
} kEntries[] = {
    {"VE", 1},      {"a", 436},     {"3D2/C", 489}, {"3D2/R", 460}, {"3Y/B", 24},   {"3Y/P", 199},
    {"4U_IT", 117}, {"4U_UN", 289}, {"BV9", 505},   {"E5/N", 191},  {"E5/S", 234},  {"FK/C", 512},
    {"FO/A", 508},  {"FO/M", 509},  {"FO/C", 36},   {"FR/G", 99},   {"FR/J", 124},  {"FR/T", 276},
    {"FT.W", 41},   {"FT.X", 131},  {"FT.Z", 10},   {"JD1/M", 177}, {"JD1/O", 192}, {"KH8/S", 515},
    {"SV/A", 180},  {"VK0/H", 111}, {"VK0/M", 153}, {"VP6/D", 513}, {"VP8/F", 141}, {"VP8/G", 235},
    {"VP8/H", 241}, {"VP8/O", 238}, {"VP8/S", 240},
};

} // namespace

OwnExceptionList::OwnExceptionList(const QDateTime &today)
    : m_start(today.toUTC().date().startOfDay(QTimeZone::utc())),
      m_end(QDate(2099, 12, 31), QTime(23, 59, 59), QTimeZone::utc())
{
    for (const auto &entry : kEntries)
        m_entities.insert(QLatin1String(entry.callsign), entry.adif);
}

int OwnExceptionList::entityOf(const QString &callsign, const QDateTime &at) const
{
    const auto it = m_entities.constFind(callsign);
    if (it == m_entities.constEnd() || !(m_start < at) || !(at < m_end))
        return -1;
    return it.value();
}
