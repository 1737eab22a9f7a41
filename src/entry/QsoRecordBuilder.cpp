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
        qso.sqlDateTime = context.stored->sqlDateTime;
        qso.dateString = context.stored->dateString;
        qso.timeString = context.stored->timeString;
        return;
    }
    const QDateTime instant =
        context.realTime
            ? context.now.toUTC()
            : entry::parseEntryDateTime(values.dateString, values.timeString, context.dateStyle)
                  .value_or(QDateTime());
    qso.dateTime = instant;
    qso.sqlDateTime = formats::sqlDateTime(instant);
    qso.dateString = values.dateString;
    qso.timeString = values.timeString;
    if (context.realTime) {
        // The fields lag the clock by up to five seconds; the record shows the instant logged.
        qso.dateString = formats::displayDate(instant.date(), context.dateStyle);
        qso.timeString = instant.toString(QLatin1String(formats::kLogTime));
    }
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
    qso.qrgString = entry::reformatFrequency(values.qrgString);
    qso.qrg = entry::frequencyValue(qso.qrgString);
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
    qso.adif = context.opIsValid ? std::abs(context.entity.adif) : -std::abs(context.entity.adif);
    qso.colorCode = context.colorCode;
    qso.prefix = refdata::getPrefix(values.callsign);
    qso.county = countyOf(values, context);
    return qso;
}
