#pragma once

#include "model/QsoClass.h"

#include <QJsonObject>
#include <QJsonValue>

namespace cli {

/** Every field of a QSO under its program name ("callsign", "sqlDateTime", "qrg", …), with the
 *  texts the log shows ("dateString" in the user's style, "timeString", "qrgString"), and
 *  "fields": its ADIF fields without a column, lower-case name to value (type indicators are
 *  kept in the logbook and written on export, not shown here). */
[[nodiscard]] QJsonObject qsoToJson(const QsoClass &qso, formats::DateStyle style);
/** A QSO's ADIF fields without a column: lower-case name to value. */
[[nodiscard]] QJsonObject extraFieldsJson(const ExtraFields &fields);
/** The QSO's logbook id; null for one not stored. */
[[nodiscard]] QJsonValue idJson(const QsoClass &qso);

} // namespace cli
