#pragma once

#include "model/QsoClass.h"

#include <QJsonObject>

namespace cli {

/** Every field of a QSO under its program name ("callsign", "sqlDateTime", "qrg", …). */
[[nodiscard]] QJsonObject qsoToJson(const QsoClass &qso);

} // namespace cli
