#pragma once

#include "formats/Formats.h"

#include <QDateTime>
#include <QString>

#include <optional>

/** The checks before a QSO is logged, in the order the operator gets to hear about them. */
namespace entry {

/** The field texts the checks look at. */
struct EntryCheck {
    QString callsign;
    QString frequency;
    QString mode;
    QString locator;
    QString date;
    QString time;
    bool handEnteredDate = false; // the real-time clock is off
};

/** The first failure's message ("No Callsign given", "Frequency invalid", "No Mode given",
 *  "Locator is invalid", "Date or time is invalid"); empty when the QSO may be logged. */
[[nodiscard]] QString firstEntryError(const EntryCheck &check, formats::DateStyle style);

/** The instant of a date shown in the user's style and a time "HHmm" (UTC); nothing when either
 *  does not read. A two-digit year is taken in this century. */
[[nodiscard]] std::optional<QDateTime> parseEntryDateTime(const QString &date, const QString &time,
                                                          formats::DateStyle style);

} // namespace entry
