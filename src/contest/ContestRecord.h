#pragma once

#include "contest/ContestDefinition.h"
#include "contest/ContestQso.h"
#include "model/QsoClass.h"

/** How a contest QSO is kept in the logbook: CONTEST_ID, the reports in their columns, the
 *  serial numbers in SRX/STX, the other exchange values in SRX_STRING/STX_STRING (in the order
 *  of the exchange), and each value also where its form says (CQZ, ITUZ, STATE, ARRL_SECT,
 *  CLASS, RX_PWR), so other programs find them where they look. */
namespace contest {

/** Sets the contest fields of a QSO record from a contest QSO. */
void writeContestFields(const ContestDefinition &def, const ContestQso &qso, QsoClass &record);

/** The contest QSO a logbook record holds; the received values are checked again (a value that
 *  no longer fits keeps form -1). */
[[nodiscard]] ContestQso readContestQso(const ContestDefinition &def, const QsoClass &record);

} // namespace contest
