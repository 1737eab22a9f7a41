#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

/** The date routines of the logbook and the services that the fixed SQL formats do not cover.
 *  All of them work in UTC. */
namespace geo {

/** "yyyy-MM-dd" as that day's UTC midnight; nothing for text that does not match. */
[[nodiscard]] std::optional<QDateTime> makeDate(const QString &text);
/** "yyyy-MM-dd" of the instant's UTC day; empty for a missing (invalid) instant. */
[[nodiscard]] QString sqlDate(const QDateTime &instant);
/** "dd-MMM-yyyy HHmm" with the English month abbreviation, e.g. "05-Sep-2024 1412"; empty for a
 *  missing instant. */
[[nodiscard]] QString qslDateTime(const QDateTime &instant);
/** The instant's UTC day at 00:00:00 and at 23:59:59; nothing for a missing instant. */
[[nodiscard]] std::optional<QDateTime> dateAt0(const QDateTime &instant);
[[nodiscard]] std::optional<QDateTime> dateAt24(const QDateTime &instant);

} // namespace geo
