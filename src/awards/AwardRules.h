#pragma once

#include "awards/Award.h"
#include "awards/AwardQso.h"

#include <QString>
#include <QStringList>

/** What one QSO counts for: pure rules, the logbook read elsewhere. */
namespace awards {

/** The items of the award the QSO credits, normalised (upper case, zones as plain numbers):
 *  none, one, or several (a QSO on a grid corner, a park two-fer). */
[[nodiscard]] QStringList itemsFor(Award award, const AwardQso &qso);

/** Confirmation bits of a QSO. */
enum ConfirmationBit : quint8 { PaperBit = 1, LotwBit = 2, EqslBit = 4 };
[[nodiscard]] quint8 confirmationsOf(const AwardQso &qso);
[[nodiscard]] quint8 bitsOf(Confirmation confirmation);

/** The own call the QSO was made under: STATION_CALLSIGN, else OPERATOR, else the logbook's
 *  own call; upper case. */
[[nodiscard]] QString ownCallOf(const AwardQso &qso, const QString &logbookCall);

/** Who counts once towards an activation: for SOTA each station once, for POTA and WWFF each
 *  station once per band and mode. */
[[nodiscard]] QString activationContact(Award activated, const AwardQso &qso);

/** The 4-character field of a locator ("JO62QM" → "JO62"); empty when it is not one. */
[[nodiscard]] QString gridField(const QString &locator);
/** The references of a field that may list several ("US-0001, US-0002"), upper case. */
[[nodiscard]] QStringList referenceList(const QString &field);

} // namespace awards
