#pragma once

#include "loggen/EntityStandIn.h"

#include <QString>

/** What is known about a worked station: the same every time it is worked, so repeated QSOs with
 *  one callsign agree on name, QTH and locator as they do in a real log. */
namespace loggen {

struct Station {
    QString callsign;
    Entity entity;
    QString prefix;
    QString name;
    QString qth;
    QString locator; // six characters; FT8 QSOs keep the first four
    QString state;   // US stations only
    QString county;  // "state,county" for US stations
};

/** The station behind a callsign; `seed` varies the details between logbooks. */
[[nodiscard]] Station stationOf(const QString &callsign, quint64 seed);

} // namespace loggen
