#pragma once

#include "model/QsoClass.h"
#include "refdata/ModesList.h"

#include <QDateTime>
#include <QString>

/** The records and header of a Club Log upload file (lines end with "\r\n"). */
namespace adif {

/** One upload record, ended by "<eor>\r\n". */
[[nodiscard]] QString makeOneClublogRecord(const QsoClass &qso, const ModesList &modes);

/** The upload file's header, stamped with the given instant (UTC). */
[[nodiscard]] QString makeAdifHead(const QDateTime &now, const QString &programVersion);

} // namespace adif
