#include "entry/QsoRecordBuilder.h"

#include "entry/EntryTexts.h"
#include "entry/EntryValidation.h"
#include "entry/FieldRules.h"
#include "refdata/WpxPrefix.h"

#include <cstdlib>

namespace {

void setDate(QsoClass &qso, const EntryValues &values, const RecordContext &context)
{
    if (context.stored && !context.dateTouched) {
        qso.dateTime = context.stored->dateTime;
        return;
    }
    // With the real-time clock the instant logged is the clock's (the fields lag it by up to five
    // seconds); else the date and time typed.
    qso.dateTime =
        context.realTime
            ? context.now.toUTC()
            : entry::parseEntryDateTime(values.dateString, values.timeString, context.dateStyle)
                  .value_or(QDateTime());
}

QString countyOf(const EntryValues &values, const RecordContext &context)
{
    if (!context.countyAsked)
        return {};
    if (context.page) {
        if (values.state.isEmpty() || values.county.isEmpty())
            return {};
        return values.state + u',' + values.county;
    }
    if (context.countyLine == QLatin1String(entry::texts::kSelectInDetails))
        return {};
    return context.countyLine;
}

} // namespace

QsoClass buildQsoRecord(const EntryValues &values, const RecordContext &context)
{
    QsoClass qso;
    if (context.stored) {
        // Editing keeps what the form does not show (row, QSL dates, satellite data, …).
        qso = *context.stored;
    }
    setDate(qso, values, context);
    qso.opIsValid = context.opIsValid;
    qso.callsign = values.callsign;
    qso.band = values.band;
    // The kHz as the field shows them once left (one decimal, "#,##0.0").
    qso.qrg = entry::frequencyValue(entry::reformatFrequency(values.qrgString));
    qso.mode = values.mode;
    qso.rstrx = values.rstrx;
    qso.rsttx = values.rsttx;
    qso.qsl = values.qsl;
    qso.lotwqsl = values.lotwqsl;
    qso.eqsl = values.eqsl;
    qso.cq = values.cq;
    qso.itu = values.itu;
    qso.state = values.state;
    qso.locator = values.locator;
    qso.manager = values.manager;
    qso.iota = values.iota;
    qso.name = values.name;
    qso.qth = values.qth;
    for (int n = 1; n <= 4; ++n)
        (n == 1   ? qso.user_1
         : n == 2 ? qso.user_2
         : n == 3 ? qso.user_3
                  : qso.user_4) = values.userField(n);
    qso.dxcc = context.entity.dxcc;
    qso.cnt = context.entity.cnt;
    qso.note =
        context.ownPosition.isEmpty() ? values.note : context.ownPosition + u' ' + values.note;
    qso.power = context.power;
    qso.adif = std::abs(context.entity.adif);
    qso.colorCode = context.colorCode;
    qso.prefix = refdata::getPrefix(values.callsign);
    qso.county = countyOf(values, context);
    return qso;
}
