#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"
#include "refdata/ModesList.h"

#include <QString>
#include <QStringList>

/** The records this program writes: the full export record, the eQSL upload record and the
 *  export file header. */
namespace adif {

/** What a full record needs besides the QSO. */
struct RecordContext {
    const ModesList &modes;
    QStringList userFieldNames; // the four ADIF names of the user fields
    formats::DateStyle dateStyle = formats::DateStyle::Short; // how QSL dates are shown
};

/** The full export record, ended by "<eor>\n": the logbook's columns, then the QSO's extra
 *  fields as they were read (each unless the columns wrote a field of its name). */
[[nodiscard]] QString makeAdifRecord(const QsoClass &qso, const RecordContext &context);
/** The same record appended to a text (an export of many records built in one text). */
void appendAdifRecord(QString &text, const QsoClass &qso, const RecordContext &context);

/** The reduced record of an eQSL upload, ended by "  <eor>" (no line feed). */
[[nodiscard]] QString makeADIF4eQSLfromQSO(const QsoClass &qso);

/** The header of an export file, up to "<eoh>" and an empty line. */
[[nodiscard]] QString exportHeader();
/** A whole export file: the header and the records of the QSOs, in the order given. */
[[nodiscard]] QString exportText(const QList<QsoClass> &qsos, const RecordContext &context);

/** "yyyyMMdd" and "HHmmss" cut from a "yyyy-MM-dd HH:mm:ss" text; empty when too short. */
[[nodiscard]] QString adifDate(const QString &sqlDateTime);
[[nodiscard]] QString adifTime(const QString &sqlDateTime);

/** The leading whole number of a text ("100W" → 100, "QRP" → 0), as stored zones and powers
 *  are read. */
[[nodiscard]] qint64 leadingInteger(const QString &text);

/** The TX_PWR of a stored power: the power itself when it is a plain number above 0 ("100",
 *  "0.5"), else its leading whole number when above 0 ("100W" → "100"); "" for none ("QRP"). */
[[nodiscard]] QString txPower(const QString &power);

/** "qso_date" and "time_on" when the QSO's date-time text is long enough for them. */
void appendDateAndTime(QString &record, const QsoClass &qso);
/** "band" unless unknown ("??") or empty. */
void appendBand(QString &record, const QsoClass &qso);
/** "freq" in MHz with six decimals when the frequency is known. */
void appendFrequency(QString &record, const QsoClass &qso);

/** " <mode:…>… " and " <submode:…>… " of a stored mode, by the modes list. */
void appendModeFields(QString &record, const QString &mode, const ModesList &modes);

} // namespace adif
