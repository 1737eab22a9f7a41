#include "wsjtx/WsjtxRecord.h"

#include "model/AdifField.h"

namespace wsjtx {
namespace {

void add(adif::AdifRecord &record, QLatin1String name, const QString &value)
{
    if (value.isEmpty())
        return;
    // Refused as in an ADIF file: no program writes one, and it would end up in the logbook.
    if (value.contains(QChar(u'\0')))
        record.problems
            << QStringLiteral("Field %1 holds a NUL character: ").arg(QString(name).toUpper());
    record.fields.append({QString(name), value, {}});
    adif::appendField(record.text, name, value);
}

void addInstant(adif::AdifRecord &record, QLatin1String dateName, QLatin1String timeName,
                const QDateTime &instant)
{
    if (!instant.isValid())
        return;
    const QDateTime utc = instant.toUTC();
    add(record, dateName, utc.toString(QStringLiteral("yyyyMMdd")));
    add(record, timeName, utc.toString(QStringLiteral("HHmmss")));
}

} // namespace

adif::AdifRecord adifRecord(const WsjtxQso &qso)
{
    adif::AdifRecord record;
    add(record, QLatin1String("call"), qso.dxCall.trimmed().toUpper());
    add(record, QLatin1String("gridsquare"), qso.dxGrid.trimmed());
    add(record, QLatin1String("mode"), qso.mode.trimmed());
    add(record, QLatin1String("rst_sent"), qso.reportSent.trimmed());
    add(record, QLatin1String("rst_rcvd"), qso.reportReceived.trimmed());
    addInstant(record, QLatin1String("qso_date"), QLatin1String("time_on"),
               qso.timeOn.isValid() ? qso.timeOn : qso.timeOff);
    addInstant(record, QLatin1String("qso_date_off"), QLatin1String("time_off"), qso.timeOff);
    if (qso.txFrequencyHz > 0)
        add(record, QLatin1String("freq"),
            QString::number(double(qso.txFrequencyHz) / 1e6, 'f', 6));
    add(record, QLatin1String("tx_pwr"), qso.txPower.trimmed());
    add(record, QLatin1String("name"), qso.name.trimmed());
    add(record, QLatin1String("comment"), qso.comments.trimmed());
    add(record, QLatin1String("operator"), qso.operatorCall.trimmed());
    add(record, QLatin1String("station_callsign"), qso.myCall.trimmed());
    add(record, QLatin1String("my_gridsquare"), qso.myGrid.trimmed());
    add(record, QLatin1String("stx_string"), qso.exchangeSent.trimmed());
    add(record, QLatin1String("srx_string"), qso.exchangeReceived.trimmed());
    add(record, QLatin1String("prop_mode"), qso.propagationMode.trimmed());
    record.text += QLatin1String("<eor>");
    return record;
}

QList<adif::AdifRecord> adifRecords(const QString &text)
{
    const adif::PreparedAdif prepared = adif::importAdif(text);
    QList<adif::AdifRecord> records;
    records.reserve(prepared.spans.size());
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        adif::AdifRecord record = prepared.record(i);
        useSubmodeAsMode(record);
        records.append(std::move(record));
    }
    return records;
}

void useSubmodeAsMode(adif::AdifRecord &record)
{
    const QString submode = adif::fieldValue(record.fields, u"submode");
    if (submode.isEmpty())
        return;
    for (adif::AdifFieldValue &field : record.fields)
        if (field.name == QLatin1String("mode"))
            field.value = submode;
}

} // namespace wsjtx
