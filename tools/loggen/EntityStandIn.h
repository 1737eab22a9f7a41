#pragma once

#include <QString>

/** The entity of a generated QSO's callsign, from a small table of the common prefixes.
 *
 *  This stands in for the DXCC resolution until the logbook generator can ask the real DXCC
 *  model; it knows no callsign exceptions, no validity dates and only some sixty entities, which
 *  is enough for logbooks that look real to the queries and screens. */
namespace loggen {

struct Entity {
    int adif = 0; // ADIF DXCC code; 0 for a callsign the table does not know
    QString dxcc; // main prefix
    int cq = 0;
    int itu = 0;
    QString continent;
    QString field; // a Maidenhead field (two letters) inside the entity
    QString iota;  // the island group when the whole entity is one, else empty
};

/** The entity of a callsign by its longest matching table prefix; for "EA8/DL1ABC" the part
 *  before the stroke counts, for "DL1ABC/P" the part after is ignored. */
[[nodiscard]] Entity entityOf(const QString &callsign);

/** The callsign's prefix in the usual sense: up to and including the digits after the first
 *  letter ("DL7UVO" → "DL7", "4X4AB" → "4X4"); a trailing "/digit" replaces the call area
 *  ("JE1HXZ/6" → "JE6"). */
[[nodiscard]] QString prefixOf(const QString &callsign);

} // namespace loggen
