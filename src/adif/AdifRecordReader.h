#pragma once

#include "adif/AdifText.h"
#include "adif/EntityLookup.h"
#include "formats/Formats.h"
#include "model/QsoClass.h"
#include "refdata/BandTable.h"

#include <QString>
#include <QStringList>

/** One ADIF record read into a QSO. */
namespace adif {

struct ReaderContext {
    EntityLookup &entities;
    const refdata::BandTable &bands;
    QStringList userFieldNames; // the four ADIF names the user fields are read from
};

struct ReadRecord {
    QsoClass qso;
    /** Why the record is refused ("Date or time not found: " …); empty when accepted. */
    QStringList errors;
};

/** Fills a QSO from a record: date and time, band and frequency, mode, reports, QSL state of
 *  paper, LoTW, eQSL and Club Log, entity with zones, continent and IOTA, user fields. */
[[nodiscard]] ReadRecord readAdifRecord(const QString &record, ReaderContext &context);
/** The same for a record read from a file; its problems come first among the reasons. */
[[nodiscard]] ReadRecord readAdifRecord(const AdifRecord &record, ReaderContext &context);

} // namespace adif
