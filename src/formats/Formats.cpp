#include "formats/Formats.h"

#include <cmath>

#include <QLocale>
#include <QTimeZone>

namespace formats {
namespace {

const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

/** The number of `count` ASCII digits at `at`, or -1 when any is not a digit. */
int digitsAt(const QString &text, qsizetype at, int count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

/** "yyyy-MM-dd" at the start of the text; read by hand, since listing a large logbook reads one
 *  per row. */
QDate sqlDateAtStart(const QString &text)
{
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return {};
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0 || !QDate::isValid(year, month, day))
        return {};
    return QDate(year, month, day);
}

} // namespace

std::optional<QDateTime> parseSqlDateTime(const QString &text)
{
    // A strict reading: "2024-02-30 10:00:00" or "2024-05-01 24:00:00" are not instants. The
    // result is in UTC, whatever the process's zone (a local reading could fall into a gap).
    if (text.size() != 19 || text.at(10) != u' ' || text.at(13) != u':' || text.at(16) != u':')
        return std::nullopt;
    const QDate date = sqlDateAtStart(text);
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    const int second = digitsAt(text, 17, 2);
    if (!date.isValid() || hour < 0 || minute < 0 || second < 0 ||
        !QTime::isValid(hour, minute, second))
        return std::nullopt;
    return QDateTime(date, QTime(hour, minute, second), QTimeZone::utc());
}

std::optional<QDate> parseSqlDate(const QString &text)
{
    const QDate parsed = text.size() == 10 ? sqlDateAtStart(text) : QDate();
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

namespace {

const QString kMediumDate = QStringLiteral("d MMM yyyy");

/** The locale's numeric date; the C locale has none (its short date is the medium style's
 *  "d MMM yyyy"), so ISO's then. */
QString shortDateFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.contains(QLatin1String("MMM")) ? QStringLiteral("yyyy-MM-dd") : format;
}

} // namespace

QString displayDate(const QDate &date, DateStyle style)
{
    const QLocale locale;
    return locale.toString(date, style == DateStyle::Short ? shortDateFormat(locale) : kMediumDate);
}

std::optional<QDate> parseDisplayDate(const QString &text, DateStyle style)
{
    const QLocale locale;
    QDate date =
        locale.toDate(text, style == DateStyle::Short ? shortDateFormat(locale) : kMediumDate);
    // What an older version showed (and may have stored) in the C locale's short style.
    if (!date.isValid() && style == DateStyle::Short)
        date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid())
        return std::nullopt;
    // Short styles carry two-digit years, which Qt reads in the 1900s: "05.03.24" is a date of
    // the last hundred years, 2024, not 1924.
    if (!text.contains(QString::number(date.year())))
        date = date.addYears(((QDate::currentDate().year() - date.year()) / 100) * 100);
    return date;
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
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString groupedInteger(qint64 value)
{
    return english().toString(value);
}

} // namespace formats
