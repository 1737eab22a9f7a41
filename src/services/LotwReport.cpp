#include "services/LotwReport.h"

#include "adif/AdifText.h"
#include "geo/Locator.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace lotw {
namespace {

constexpr int kMaxCqZone = 40;
constexpr int kMaxItuZone = 90;
constexpr qsizetype kMaxCounty = 64;
const QStringList kContinents = {QStringLiteral("AF"), QStringLiteral("AN"), QStringLiteral("AS"),
                                 QStringLiteral("EU"), QStringLiteral("NA"), QStringLiteral("OC"),
                                 QStringLiteral("SA")};
const QRegularExpression kIota(QStringLiteral("^(AF|AN|AS|EU|NA|OC|SA)-[0-9]{3}$"),
                               QRegularExpression::CaseInsensitiveOption);
// Subdivision codes: "NY", "ON", "01", "BY-M"…
const QRegularExpression kState(QStringLiteral("^[A-Za-z0-9-]{1,8}$"));

/** A zone as stored ("5", not "05") when it is a number from 1 to `max`; empty otherwise. */
QString zone(const QString &text, int max)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= max ? zoneAsStored(text.trimmed()) : QString();
}

bool hasControl(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == u'"' || c == u'<';
    });
}

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

QsoClass confirmation(const QList<adif::AdifFieldValue> &fields)
{
    const auto field = [&fields](const char16_t *name) { return adif::fieldValue(fields, name); };
    QsoClass qso;
    qso.callsign = field(u"call").toUpper().remove(QLatin1Char(' '));
    qso.band = field(u"band").toLower();
    qso.mode = field(u"mode").toUpper();
    qso.dateTime = qsoInstant(fields);
    // A value that is not what the field can hold counts as not given: it must never replace
    // a good one in the logbook.
    bool ok = false;
    const int entity = field(u"dxcc").trimmed().toInt(&ok);
    qso.adif = ok && entity >= 1 && entity <= 999 ? entity : 0;
    qso.cnt = continentAsStored(
        kContinents.contains(field(u"cont").toUpper()) ? field(u"cont").toUpper() : QString());
    qso.cq = zone(field(u"cqz"), kMaxCqZone);
    qso.itu = zone(field(u"ituz"), kMaxItuZone);
    qso.iota = kIota.match(field(u"iota")).hasMatch() ? field(u"iota").toUpper() : QString();
    const QString grid = field(u"gridsquare").toUpper();
    qso.locator = geo::locatorIsValid(grid) ? grid : QString();
    qso.state = kState.match(field(u"state")).hasMatch() ? field(u"state") : QString();
    const QString county = field(u"cnty");
    qso.county = county.size() <= kMaxCounty && !hasControl(county) ? county : QString();
    return qso;
}

/** APP_LoTW_LASTQSL when it is a date and time that can have happened: later downloads ask only
 *  for QSLs after it, so a date in the future would hide every new QSL. */
QString plausibleLastQsl(const QString &text, const QDateTime &now)
{
    const QDateTime at = QDateTime::fromString(text, QLatin1String(formats::kSqlDateTime));
    if (text.size() != 19 || !at.isValid())
        return {};
    const QDateTime utc(at.date(), at.time(), QTimeZone::utc());
    // The report comes from LoTW's clock; a day allows for this machine's being behind.
    if (utc > now.addDays(1) || at.date().year() < 1990)
        return {};
    return text;
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

Report parseReport(const QByteArray &bytes, const QDateTime &now)
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
    report.lastQsl = plausibleLastQsl(adif::fieldValue(header, u"app_lotw_lastqsl").trimmed(), now);
    for (qsizetype i = 0; i < prepared.spans.size(); ++i) {
        if (!prepared.spans.at(i).ended)
            continue; // cut off: not counted, so the report reads as incomplete
        ++report.recordCount;
        const QsoClass qso = confirmation(prepared.record(i).fields);
        if (qso.callsign.size() >= 3)
            report.confirmations.append(qso);
    }
    return report;
}

} // namespace lotw
