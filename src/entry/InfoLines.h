#pragma once

#include "refdata/CountryClass.h"

#include <QString>

#include <optional>

class MyFunctions;

/** The information lines of the entry form, built from values already looked up. */
namespace entry::lines {

/** Distance and bearing between two locators; nothing unless both are valid. */
struct Path {
    int km = 0;
    int degrees = 0;
};
[[nodiscard]] std::optional<Path> pathBetween(const QString &from, const QString &to);

/** "%@  %@  %@": main prefix, name and continent of the entity. */
[[nodiscard]] QString entityLine(const CountryClass &entity);

/** "  %ikm" and "  %i°" of a path, empty without one. */
[[nodiscard]] QString pathText(const std::optional<Path> &path);

/** "CQ: 14  ITU: 28  Sunrise: 0312z  Sunset: 1945z  612km  245°": zones, sun times at the
 *  entity's centre (−0.833°), distance and bearing from the own locator. */
[[nodiscard]] QString zoneLine(const CountryClass &entity, const MyFunctions &functions,
                               const QString &myLocator);

/** "Sunrise: …  Sunset: …" at a locator (−0.833°) followed by the path from the own locator;
 *  with leadingSpaces each part starts with two blanks, as the station line has it. */
[[nodiscard]] QString sunLine(const QString &locator, const MyFunctions &functions,
                              const QString &myLocator, bool leadingSpaces);

/** "1 QSO", "%i QSOs" or "No QSOs". */
[[nodiscard]] QString qsoCountLine(int count);

/** The mode summary ("XP." per CW, digital and phone) as a line to read. */
[[nodiscard]] QString modeSummaryLine(const QString &summary);

/** The own position for the note: "JO62QM (Lat: 52.500000º  Long: 13.400000º Alt: 34m)". */
[[nodiscard]] QString positionText(const QString &locator, double latitude, double longitude,
                                   double altitude);

/** "Alt: %.0fm". */
[[nodiscard]] QString altitudeText(double altitude);

/** True while the sun is between −12° and −0.8333° (nautical twilight): the own sunrise line is
 *  shown in red then. */
[[nodiscard]] bool isNauticalTwilight(double elevation);

} // namespace entry::lines
