#include "geo/DateHelpers.h"

#include "formats/Formats.h"

#include <QLocale>
#include <QTimeZone>

namespace geo {
namespace {

std::optional<QDateTime> sameDayAt(const QDateTime &instant, const QString &timeOfDay)
{
    return formats::parseSqlDateTime(sqlDate(instant) + timeOfDay);
}

} // namespace

std::optional<QDateTime> makeDate(const QString &text)
{
    const auto date = formats::parseSqlDate(text);
    if (!date)
        return std::nullopt;
    return QDateTime(*date, QTime(0, 0), QTimeZone::utc());
}

QString sqlDate(const QDateTime &instant)
{
    return instant.isValid() ? formats::sqlDate(instant.toUTC().date()) : QString();
}

QString qslDateTime(const QDateTime &instant)
{
    if (!instant.isValid())
        return {};
    // The C locale's month abbreviations are the plain English three letters ("Sep", not the
    // British "Sept") that QSL cards and the services expect.
    return QLocale::c().toString(instant.toUTC(), QStringLiteral("dd-MMM-yyyy HHmm"));
}

std::optional<QDateTime> dateAt0(const QDateTime &instant)
{
    return sameDayAt(instant, QStringLiteral(" 00:00:00"));
}

std::optional<QDateTime> dateAt24(const QDateTime &instant)
{
    return sameDayAt(instant, QStringLiteral(" 23:59:59"));
}

} // namespace geo
