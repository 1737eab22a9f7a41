#include "cli/QsoJson.h"

namespace cli {

QJsonValue idJson(const QsoClass &qso)
{
    return qso.id ? QJsonValue(*qso.id) : QJsonValue();
}

QJsonObject extraFieldsJson(const ExtraFields &fields)
{
    QJsonObject object;
    for (const ExtraField &field : fields)
        object.insert(field.name, field.value);
    return object;
}

QJsonObject qsoToJson(const QsoClass &q, formats::DateStyle style)
{
    return QJsonObject{
        {QStringLiteral("rowid"), idJson(q)},
        {QStringLiteral("uuid"),
         q.uuid.isNull() ? QString() : q.uuid.toString(QUuid::WithoutBraces)},
        {QStringLiteral("dateString"), q.dateText(style)},
        {QStringLiteral("timeString"), q.timeText()},
        {QStringLiteral("callsign"), q.callsign},
        {QStringLiteral("band"), q.band},
        {QStringLiteral("qrgString"), q.qrgText()},
        {QStringLiteral("qrg"), q.qrg},
        {QStringLiteral("mode"), q.mode},
        {QStringLiteral("rsttx"), q.rsttx},
        {QStringLiteral("rstrx"), q.rstrx},
        {QStringLiteral("qsl"), q.qsl},
        {QStringLiteral("lotwqsl"), q.lotwqsl},
        {QStringLiteral("eqsl"), q.eqsl},
        {QStringLiteral("dxcc"), q.dxcc},
        {QStringLiteral("cq"), q.cq},
        {QStringLiteral("itu"), q.itu},
        {QStringLiteral("cnt"), q.cnt},
        {QStringLiteral("state"), q.state},
        {QStringLiteral("note"), q.note},
        {QStringLiteral("locator"), q.locator},
        {QStringLiteral("manager"), q.manager},
        {QStringLiteral("qslInDate"), q.qslInDate},
        {QStringLiteral("qslOutDate"), q.qslOutDate},
        {QStringLiteral("dateTime"),
         q.dateTime.isValid() ? q.dateTime.toUTC().toString(Qt::ISODate) : QString()},
        {QStringLiteral("sqlDateTime"), q.sqlDateTime()},
        {QStringLiteral("iota"), q.iota},
        {QStringLiteral("satName"), q.satName},
        {QStringLiteral("satMode"), q.satMode},
        {QStringLiteral("satRxband"), q.satRxband},
        {QStringLiteral("power"), q.power},
        {QStringLiteral("adif"), q.storedAdif()},
        {QStringLiteral("colorCode"), q.colorCode},
        {QStringLiteral("name"), q.name},
        {QStringLiteral("qth"), q.qth},
        {QStringLiteral("prefix"), q.prefix},
        {QStringLiteral("county"), q.county},
        {QStringLiteral("clublog"), q.clublog},
        {QStringLiteral("opIsValid"), q.opIsValid},
        {QStringLiteral("user_1"), q.user_1},
        {QStringLiteral("user_2"), q.user_2},
        {QStringLiteral("user_3"), q.user_3},
        {QStringLiteral("user_4"), q.user_4},
        {QStringLiteral("fields"), extraFieldsJson(q.extraFields)},
    };
}

} // namespace cli
