#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

/** The fixed text formats of the program: dates in the logbook and ADIF, the user's date styles
 *  and the frequency patterns. Everything here is UTC and independent of the user's locale except
 *  the date styles, which are meant for display. */
namespace formats {

inline constexpr char kSqlDateTime[] = "yyyy-MM-dd HH:mm:ss";
inline constexpr char kSqlDate[] = "yyyy-MM-dd";
inline constexpr char kAdifDate[] = "yyyyMMdd";
inline constexpr char kAdifTime[] = "HHmmss";
inline constexpr char kAdifShortTime[] = "HHmm";
inline constexpr char kLogTime[] = "HHmm";

/** The two display styles of the log: the locale's short date, or a medium one with the month
 *  abbreviated. The choice comes from the user default "DateFormatIndex". */
enum class DateStyle { Short, Medium };

/** Parses "yyyy-MM-dd HH:mm:ss" as UTC; nothing for text that is not such an instant. */
[[nodiscard]] std::optional<QDateTime> parseSqlDateTime(const QString &text);
/** Parses "yyyy-MM-dd" as a calendar date; nothing for anything else. */
[[nodiscard]] std::optional<QDate> parseSqlDate(const QString &text);
[[nodiscard]] QString sqlDateTime(const QDateTime &dateTime);
[[nodiscard]] QString sqlDate(const QDate &date);

/** A date in the user's chosen style (the default locale, no time part). */
[[nodiscard]] QString displayDate(const QDate &date, DateStyle style);

/** Reads a date shown in the user's chosen style back; nothing when it does not match. */
[[nodiscard]] std::optional<QDate> parseDisplayDate(const QString &text, DateStyle style);

/** "#,##0.0": kHz with English grouping and one decimal, e.g. "14,025.0". */
[[nodiscard]] QString groupedKHz(double kHz);
/** Reads a frequency typed or shown with English grouping ("14,025.5" or "14025.5"). */
[[nodiscard]] std::optional<double> parseGroupedKHz(const QString &text);
/** "#,##0": whole numbers with English grouping, e.g. "12,345". */
[[nodiscard]] QString groupedInteger(qint64 value);

} // namespace formats
