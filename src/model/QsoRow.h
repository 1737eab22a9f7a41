#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"

#include <QString>

namespace db {
class Statement;
}

/** The mapping between a `logbook` row and a `QsoClass`: column positions, the texts that are
 *  percent-encoded, and the date fields shown in the user's style. */
namespace qsorow {

/** The columns written by inserts, in file order after `id`. */
inline constexpr char kInsertColumns[] =
    "date,time,callsign,band,qrg,mode,rsttx,rstrx,qsl,lotwqsl,eqsl,dxcc,cq,itu,cnt,state,note,"
    "locator,manager,qslindate,qsloutdate,datetime,iota,satname,satmode,satrxband,power,dxccadif,"
    "name,qth,prefix,county,user_1,user_2,user_3,user_4,clublog,arrlcredit";
inline constexpr int kInsertColumnCount = 38;

/** Reads the current row of a "select * from logbook" statement. */
[[nodiscard]] QsoClass readRow(const db::Statement &row, formats::DateStyle style);
/** What to select instead of "*" when only some columns are used: every column in its place,
 *  those not `wanted` as NULL, so readRow() reads the row with only these fields (and the id)
 *  filled. */
[[nodiscard]] QString onlyColumns(const QStringList &wanted);
/** The rows of a "select band, mode, qsl, lotwqsl …" statement (a slot question, a DX info text's
 *  source), each as a QSO with those four fields. */
[[nodiscard]] QList<QsoClass> readSlots(db::Statement &select);

/** Binds the 38 insert values (positions 1–38) in the order of kInsertColumns: `qrg` as the C
 *  "%.1f" of the kHz, `date` in the user's style, `time` "HHmm", `datetime` UTC. */
void bindInsertValues(db::Statement &statement, const QsoClass &qso, formats::DateStyle style);

/** The "update logbook set …" statement with its 37 assignments (all but `clublog`) and the id;
 *  the date columns keep their texts when the edited record has no date. */
[[nodiscard]] QString updateStatement();
/** Binds the edited record's values and the stored record's id for updateStatement(). */
void bindUpdateValues(db::Statement &statement, const QsoClass &edited, qint64 storedId,
                      formats::DateStyle style);

} // namespace qsorow
