#include "services/LotwReport.h"

#include "adif/AdifText.h"

#include <QTimeZone>

namespace lotw {
namespace {

/** The date and time of a record: QSO_DATE and TIME_ON, a 4-character time read as hh:mm:00. */
QDateTime qsoInstant(const QList<adif::AdifFieldValue> &fields)
{
    QString time = adif::fieldValue(fields, u"time_on");
    if (time.size() == 4)
        time += QLatin1String("00");
    const QDateTime instant = QDateTime::fromString(adif::fieldValue(fields, u"qso_date") + time,
                                                    QStringLiteral("yyyyMMddHHmmss"));
    return instant.isValid() ? QDateTime(instant.date(), instant.time(), QTimeZone::utc())
                             : QDateTime();
}

QsoClass confirmation(const QList<adif::AdifFieldValue> &fields, formats::DateStyle style)
{
    const auto field = [&fields](const char16_t *name) { return adif::fieldValue(fields, name); };
    QsoClass qso;
    qso.callsign = field(u"call").toUpper().remove(QLatin1Char(' '));
    qso.band = field(u"band").toLower();
    qso.mode = field(u"mode").toUpper();
    qso.dateTime = qsoInstant(fields);
    if (qso.dateTime.isValid()) {
        qso.sqlDateTime = formats::sqlDateTime(qso.dateTime);
        qso.dateString = formats::displayDate(qso.dateTime.date(), style);
        qso.timeString = qso.dateTime.toString(QLatin1String(formats::kLogTime));
    }
    qso.adif = field(u"dxcc").trimmed().toInt();
    qso.cnt = continentAsStored(field(u"cont").toUpper());
    qso.cq = zoneAsStored(field(u"cqz"));
    qso.itu = zoneAsStored(field(u"ituz"));
    qso.iota = field(u"iota");
    qso.locator = field(u"gridsquare").toUpper();
    qso.state = field(u"state");
    qso.county = field(u"cnty");
    return qso;
}

} // namespace

QString continentAsStored(const QString &continent)
{
    static const QStringList kRewritten = {QStringLiteral("EU"), QStringLiteral("AS"),
                                           QStringLiteral("AF"), QStringLiteral("AN"),
                                           QStringLiteral("OC")};
    if (kRewritten.contains(continent))
        return continent.left(1) + continent.mid(1).toLower();
    return continent;
}

QString zoneAsStored(const QString &zone)
{
    return zone.size() >= 2 && zone.startsWith(QLatin1Char('0')) ? zone.mid(1) : zone;
}

Report parseReport(const QByteArray &bytes, formats::DateStyle style)
{
    Report report;
    report.isReport = bytes.startsWith(kHeading);
    if (!report.isReport)
        return report;
    const adif::PreparedAdif prepared = adif::prepareAdif(bytes);
    // The header is everything before the first record; its fields are read like a record's.
    const qsizetype headerEnd = prepared.spans.isEmpty() ? bytes.size() : prepared.spans[0].begin;
    const QList<adif::AdifFieldValue> header =
        adif::parseFields(QString::fromUtf8(bytes.first(headerEnd)));
    bool ok = false;
    const qint64 declared = adif::fieldValue(header, u"app_lotw_numrec").trimmed().toLongLong(&ok);
    report.declaredCount = ok && declared >= 0 ? declared : -1;
    report.lastQsl = adif::fieldValue(header, u"app_lotw_lastqsl");
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        if (!prepared.spans.at(i).ended)
            continue; // cut off: not counted, so the report reads as incomplete
        ++report.recordCount;
        const QsoClass qso = confirmation(prepared.record(i).fields, style);
        if (qso.callsign.size() >= 3)
            report.confirmations.append(qso);
    }
    return report;
}

} // namespace lotw
