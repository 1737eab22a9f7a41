#pragma once

#include "adif/AdifText.h"
#include "adif/EntityLookup.h"
#include "formats/Formats.h"
#include "model/QsoClass.h"
#include "refdata/BandTable.h"
#include "refdata/ModesList.h"

#include <QString>
#include <QStringList>

/** One ADIF record read into a QSO. */
namespace adif {

struct ReaderContext {
    EntityLookup &entities;
    const refdata::BandTable &bands;
    QStringList userFieldNames; // the four ADIF names the user fields are read from
    /** Which submodes belong to which mode; without it a SUBMODE beside a MODE is kept as a
     *  field of its own. */
    const ModesList *modes = nullptr;
};

struct ReadRecord {
    QsoClass qso;
    /** Why the record is refused ("Date or time not found: " …); empty when accepted. */
    QStringList errors;
};

/** Fills a QSO from a record: date and time, band and frequency, mode, reports, QSL state of
 *  paper, LoTW, eQSL and Club Log, entity with zones, continent and IOTA, user fields. Every
 *  other field goes into `extraFields` as it was written, so that an export gives it back.
 *
 *  MODE and SUBMODE: the stored mode is the SUBMODE when the modes list puts it under that MODE
 *  (MODE SSB + SUBMODE LSB is stored as "LSB", MFSK + FT4 as "FT4"), otherwise the MODE, with a
 *  SUBMODE the list does not put under it kept as a field. An export writes a stored submode as
 *  its MODE and SUBMODE again, so the QSO reads back the same. */
[[nodiscard]] ReadRecord readAdifRecord(const QString &record, ReaderContext &context);
/** The same for a record read from a file; its problems come first among the reasons. */
[[nodiscard]] ReadRecord readAdifRecord(const AdifRecord &record, ReaderContext &context);

} // namespace adif
