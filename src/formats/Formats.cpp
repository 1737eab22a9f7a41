#include "formats/Formats.h"

#include <QLocale>
#include <QTimeZone>

namespace formats {
namespace {

const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

} // namespace

std::optional<QDateTime> parseSqlDateTime(const QString &text)
{
    // A strict reading: "2024-02-30 10:00:00" or "2024-05-01 24:00:00" are not instants. Date and
    // time are read apart and joined in UTC: read together they would be a local time, and one
    // inside a daylight-saving gap of the process's zone would not parse at all.
    if (text.size() != 19 || text.at(10) != QLatin1Char(' '))
        return std::nullopt;
    const QDate date = english().toDate(text.left(10), QLatin1String(kSqlDate));
    const QTime time = english().toTime(text.mid(11), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

std::optional<QDate> parseSqlDate(const QString &text)
{
    const QDate parsed = english().toDate(text, QLatin1String(kSqlDate));
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

QString sqlDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return {};
    return dateTime.toUTC().toString(QLatin1String(kSqlDateTime));
}

QString sqlDate(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(kSqlDate)) : QString();
}

QString displayDate(const QDate &date, DateStyle style)
{
    const QLocale locale;
    if (style == DateStyle::Short)
        return locale.toString(date, QLocale::ShortFormat);
    return locale.toString(date, QStringLiteral("d MMM yyyy"));
}

std::optional<QDate> parseDisplayDate(const QString &text, DateStyle style)
{
    const QLocale locale;
    const QDate date = style == DateStyle::Short
        ? locale.toDate(text, QLocale::ShortFormat)
        : locale.toDate(text, QStringLiteral("d MMM yyyy"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString groupedKHz(double kHz)
{
    return english().toString(kHz, 'f', 1);
}

std::optional<double> parseGroupedKHz(const QString &text)
{
    bool ok = false;
    double value = english().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString groupedInteger(qint64 value)
{
    return english().toString(value);
}

} // namespace formats
