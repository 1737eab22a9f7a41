#pragma once

#include <QString>
#include <QStringView>

/** Which ADIF fields the logbook keeps in its own columns, and in which QSO field. */
namespace adif {

/** The QSO field ("callsign", "qslOutDate", …) that keeps an ADIF field of this name (any
 *  case); "" for a field without a column. Some of these (SUBMODE, STATE, TX_PWR, …) are kept
 *  as extra fields in records whose value the column cannot hold. */
[[nodiscard]] QString columnOf(QStringView name);

/** Whether the logbook keeps a field of this name (any case) in its columns in every record
 *  (CALL, QSO_DATE, MODE, …), so that it is never an extra field of a QSO. */
[[nodiscard]] bool hasColumn(QStringView name);

} // namespace adif
