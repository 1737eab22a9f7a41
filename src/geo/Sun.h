#pragma once

#include <QDateTime>
#include <QString>

/** Sunrise, sunset and the sun's elevation at a locator's reference point. The instant "now"
 *  is always passed in; these routines never read a clock. */
namespace geo {

/** Sunrise in UTC when the sun's centre passes the given altitude (degrees; −0.833 for the
 *  visible rise, −12 for nautical twilight) on now's day, as "0612z"; "----" when the sun stays
 *  below that altitude all day, "++++" when it stays above, "????" for an unusable locator. */
[[nodiscard]] QString calcSunrise(const QString &locator, double altitude, const QDateTime &now);
/** Sunset; the same texts as calcSunrise. */
[[nodiscard]] QString calcSunset(const QString &locator, double altitude, const QDateTime &now);

/** The sun's elevation in degrees at the instant now (seconds ignored); 0°, 0° for an unusable
 *  locator. */
[[nodiscard]] double calcSunElevation(const QString &locator, const QDateTime &now);

/** A time of day in hours as "HHMMz", brought into 0…24 by one wrap each way (24.3 → "0018z",
 *  −0.5 → "2330z"). */
[[nodiscard]] QString sunTimeText(double hours);

} // namespace geo
