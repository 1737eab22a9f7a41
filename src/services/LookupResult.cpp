#include "services/LookupResult.h"

#include "geo/Locator.h"
#include "services/LookupTexts.h"

#include <cmath>

namespace lookup {
namespace {

const QStringList kQrzShown = {
    "call",    "land", "fname", "name", "addr2",  "state",     "zip",     "country", "cqzone",
    "ituzone", "grid", "lat",   "lon",  "county", "p_call",    "qslmgr",  "email",   "url",
    "image",   "iota", "mqsl",  "lotw", "eqsl",   "GMTOffset", "u_views", "Count",   "SubExp"};

const QStringList kHamQthShown = {
    "error",     "session_id",  "callsign", "nick",        "qth",         "country",     "itu",
    "cq",        "grid",        "adr_name", "adr_street1", "adr_street2", "adr_street3", "adr_city",
    "adr_zip",   "adr_country", "district", "us_state",    "us_county",   "oblast",      "dok",
    "iota",      "qsl_via",     "lotw",     "eqsl",        "qsl",         "web",         "email",
    "jabber",    "icq",         "msn",      "skype",       "birth_year",  "lic_year",    "lookups",
    "continent", "utc_offset",  "picture",  "latitude",    "longitude"};

RowKind kindOf(const QString &element)
{
    if (element == QLatin1String("email"))
        return RowKind::Email;
    if (element == QLatin1String("url") || element == QLatin1String("web"))
        return RowKind::Web;
    if (element == QLatin1String("image") || element == QLatin1String("picture"))
        return RowKind::Picture;
    return RowKind::Plain;
}

std::optional<double> degrees(const QString &text, double limit)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < -limit || value > limit)
        return std::nullopt;
    return value;
}

/** The names of the elements each record field comes from. */
struct FieldNames {
    const char *callsign, *name, *qth, *itu, *cq, *locator, *state, *county, *iota, *manager;
};
constexpr FieldNames kQrzFields{"call", "fname", "addr2",  "ituzone", "cqzone",
                                "grid", "state", "county", "iota",    "qslmgr"};
constexpr FieldNames kHamQthFields{"callsign", "nick",     "qth",       "itu",  "cq",
                                   "grid",     "us_state", "us_county", "iota", "qsl_via"};

} // namespace

const QStringList &shownElements(Service service)
{
    return service == Service::Qrz ? kQrzShown : kHamQthShown;
}

QString cleanQth(const QString &qth)
{
    if (qth.size() < 2)
        return qth;
    qsizetype start = 0;
    while (start < qth.size() && (qth.at(start).isDigit() || qth.at(start) == QLatin1Char(' ')))
        ++start;
    return qth.mid(start);
}

QString webAddress(const QString &value)
{
    const QString address = value.trimmed();
    if (address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return address;
    return QStringLiteral("http://") + address;
}

LookupResult resultFrom(Service service, const QHash<QString, QString> &items)
{
    const bool qrz = service == Service::Qrz;
    const QString callName = qrz ? QStringLiteral("call") : QStringLiteral("callsign");
    const QString latName = qrz ? QStringLiteral("lat") : QStringLiteral("latitude");
    const QString lonName = qrz ? QStringLiteral("lon") : QStringLiteral("longitude");
    LookupResult result;
    for (const QString &element : shownElements(service)) {
        const auto it = items.constFind(element);
        if (it == items.constEnd())
            continue;
        QString value = it.value();
        if (element == QLatin1String("Count"))
            result.rows.append(
                {lookuptexts::shown(lookuptexts::kMyAccount), QString(), RowKind::Plain});
        if (element == callName || element == QLatin1String("grid")) {
            value = value.toUpper();
            (element == callName ? result.callsign : result.locator) = value;
        } else if (!qrz && element == QLatin1String("qth")) {
            value = cleanQth(value);
        } else if (element == QLatin1String("image") || element == QLatin1String("picture")) {
            result.pictureUrl = value.trimmed();
        }
        result.rows.append({element, value, kindOf(element)});
    }
    const std::optional<double> lat = degrees(items.value(latName), 90.0);
    const std::optional<double> lon = degrees(items.value(lonName), 180.0);
    if (lat && lon)
        result.coord = geo::LatLon{*lat, *lon};
    return result;
}

QsoClass qsoFrom(Service service, const QHash<QString, QString> &items,
                 const QString &askedCallsign)
{
    const FieldNames &names = service == Service::Qrz ? kQrzFields : kHamQthFields;
    QsoClass qso;
    qso.callsign = askedCallsign.trimmed().toUpper();
    const auto take = [&items](const char *element, QString &field) {
        const auto it = items.constFind(QString::fromLatin1(element));
        if (it != items.constEnd())
            field = it.value();
    };
    take(names.callsign, qso.callsign);
    take(names.name, qso.name);
    take(names.qth, qso.qth);
    take(names.itu, qso.itu);
    take(names.cq, qso.cq);
    take(names.locator, qso.locator);
    take(names.state, qso.state);
    take(names.county, qso.county);
    take(names.iota, qso.iota);
    take(names.manager, qso.manager);
    if (service == Service::HamQth) {
        take("dok", qso.state); // a DOK says more to a German station than the US state
        qso.qth = cleanQth(qso.qth);
    }
    qso.callsign = qso.callsign.toUpper();
    qso.locator = qso.locator.toUpper();
    qso.county = qso.county.toUpper();
    if (qso.county.size() >= 3 && qso.state.size() >= 2)
        qso.county = qso.state.toUpper() + QLatin1Char(',') + qso.county;
    return qso;
}

QString mapLocator(const LookupResult &result)
{
    if (result.coord) {
        const QString fromCoord = geo::getLocator(*result.coord);
        if (geo::locatorIsValid(fromCoord))
            return fromCoord;
    }
    QString locator = result.locator.trimmed();
    if (locator.size() == 4)
        locator += QStringLiteral("AA");
    return geo::locatorIsValid(locator) ? locator : QString();
}

} // namespace lookup
