#pragma once

#include "model/QsoClass.h"

#include <QJsonObject>
#include <QJsonValue>

namespace cli {

/** Every field of a QSO under its program name ("callsign", "sqlDateTime", "qrg", …), with the
 *  texts the log shows ("dateString" in the user's style, "timeString", "qrgString"). */
[[nodiscard]] QJsonObject qsoToJson(const QsoClass &qso, formats::DateStyle style);
/** The QSO's logbook id; null for one not stored. */
[[nodiscard]] QJsonValue idJson(const QsoClass &qso);

} // namespace cli
