#pragma once

#include "station/StationProfile.h"

#include <QString>

/** The formats of the own station's details and of the programmes' references. */
namespace station {

/** "EU-005": continent and three digits. */
[[nodiscard]] bool isIotaReference(const QString &text);
/** Parks on the Air: the programme's prefix, "-" and four or five digits ("US-0001", "K-0001",
 *  "DL-0123"). */
[[nodiscard]] bool isPotaReference(const QString &text);
/** Summits on the Air: association "/" region "-" three digits ("W7W/KG-001", "G/LD-003"). */
[[nodiscard]] bool isSotaReference(const QString &text);
/** World Wide Flora and Fauna: prefix, "FF-" and four digits ("DLFF-0123", "KFF-0001"). */
[[nodiscard]] bool isWwffReference(const QString &text);

/** What is wrong with a normalised profile, naming the field; empty when it may be stored. */
[[nodiscard]] QString profileProblem(const StationProfile &profile);

} // namespace station
