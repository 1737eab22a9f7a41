#include "refdata/DXCCModel.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "formats/Formats.h"
#include "refdata/CachedDxccSource.h"
#include "refdata/CallsignRules.h"
#include "refdata/DxccDatabases.h"
#include "refdata/SqlDxccSource.h"
#include "refdata/ZoneRefinements.h"

#include <cstdlib>

namespace {

const QString kOpenStart = QStringLiteral("1900-01-01 00:00:00");
const QString kOpenEnd = QStringLiteral("2099-12-31 23:59:59");
/** 300 years of 365 days: longer than any period in the database. */
constexpr qint64 kLongestPeriod = 9460800000;

/** Club Log's own dates carry a trailing blank after the import; the instant is the same. */
std::optional<QDateTime> periodDate(const QString &text)
{
    return formats::parseSqlDateTime(text.trimmed());
}

CountryClass unknownEntity()
{
    CountryClass country;
    country.cnt = QStringLiteral("??");
    return country;
}

} // namespace

DXCCModel::DXCCModel(const DataFolder &folder, const Clock &clock)
    : DXCCModel(folder, clock, nullptr)
{}

DXCCModel::DXCCModel(const DataFolder &folder, const Clock &clock,
                     std::unique_ptr<DxccSource> source)
    : m_folder(folder), m_clock(clock),
      m_clPath(folder.filePath(QLatin1String(refdata::kClublogDbName))),
      m_iotaPath(folder.filePath(QLatin1String(refdata::kIotaDbName))), m_source(std::move(source)),
      m_lists(std::make_unique<SqlDxccSource>(m_clPath, m_iotaPath))
{
    copyIotaDB();
    copyClDB();
    if (!m_source)
        m_source = std::make_unique<CachedDxccSource>(m_clPath, m_iotaPath);
}

DXCCModel::~DXCCModel() = default;

void DXCCModel::copyClDB()
{
    if (!m_folder.copyResourceIfMissing(QLatin1String(refdata::kClublogDbName)))
        diag(QStringLiteral("Can't coppy  ClublogDXCC.db"));
}

void DXCCModel::copyIotaDB()
{
    m_folder.copyResourceIfMissing(QLatin1String(refdata::kIotaDbName));
}

const QString &DXCCModel::dateTimeText(const QDateTime &at)
{
    if (at != m_lastDate || m_lastDateText.isEmpty()) {
        m_lastDate = at;
        m_lastDateText = formats::sqlDateTime(at);
    }
    return m_lastDateText;
}

CountryClass DXCCModel::getDXCC(const QString &callsign, std::optional<QDateTime> date)
{
    m_source->refresh();
    return resolve(refdata::trimCall(callsign), date ? date->toUTC() : m_clock.now());
}

CountryClass DXCCModel::resolve(const QString &call, const QDateTime &at)
{
    const QString &dateTime = dateTimeText(at);
    refdata::BaseCall base;
    bool fromException = true;
    int adif = searchForFullCallinOwnExceptionList(call, at);
    if (adif < 1)
        adif = searchForFullCall(call, dateTime);
    CountryClass country;
    if (adif >= 1) {
        country = adifToCountry(adif);
    } else {
        fromException = false;
        if (call.endsWith(QLatin1String("/MM")) || call.endsWith(QLatin1String("/AM")))
            return unknownEntity();
        if (call.size() >= 4) {
            const QStringView first3 = QStringView(call).left(3);
            if ((first3 == u"KC6" || first3 == u"KG4") && call.size() != 5) {
                // US stations with Palau's and Guantanamo's old prefixes.
                country = adifToCountry(291);
                refdata::getWallData(QString(), refdata::kNoArea, country);
                return country;
            }
            // The letter after "VK9" names the island group of a six-character call.
            if (first3 == u"VK9" && call.size() == 6) {
                static const QHash<QChar, int> islands = {{u'C', 38},  {u'L', 147}, {u'M', 171},
                                                          {u'N', 189}, {u'W', 303}, {u'X', 35}};
                if (const auto it = islands.constFind(call.at(3)); it != islands.constEnd())
                    return adifToCountry(*it);
            }
        }
        base = refdata::splitBaseCall(call);
        for (qsizetype n = qMin<qsizetype>(base.base.size(), 6); n >= 1; --n) {
            const int found = searchForPrefix(QStringView(base.base).left(n), dateTime);
            if (found >= 1) {
                country = adifToCountry(found);
                break;
            }
        }
        if (base.area != refdata::kNoArea && country.adif != 0) {
            const int corrected = refdata::correctForCallArea(country.adif, base.area);
            if (corrected != country.adif)
                country = adifToCountry(corrected);
        }
    }
    if (country.adif == 390 && getCallArea(call) == 1)
        country.cnt = QStringLiteral("Eu"); // TA1: the European part of Turkey
    refine(country, base.base, base.area, fromException);
    country.iota = getIotaFromDxAdif(country.adif);
    return country;
}

void DXCCModel::refine(CountryClass &country, const QString &base, int area,
                       bool fromException) const
{
    switch (country.adif) {
    case 1:
        refdata::getVEallData(base, area, country);
        break;
    case 291:
        refdata::getWallData(base, area, country);
        break;
    case 150:
        refdata::getVKallData(base, area, country);
        break;
    case 15:
        if (!fromException)
            refdata::getUA9allData(base, area, country);
        break;
    case 54:
        if (!fromException)
            refdata::getUAallData(base, area, country);
        break;
    default:
        break;
    }
}

int DXCCModel::searchForFullCallinOwnExceptionList(const QString &callsign, const QDateTime &date)
{
    if (!m_ownCallsignExceptions)
        m_ownCallsignExceptions.emplace(m_clock.now());
    return m_ownCallsignExceptions->entityOf(callsign, date);
}

int DXCCModel::searchForFullCall(QStringView callsign, const QString &dateTime)
{
    const QList<CallException> rows = m_source->callsignsAt(callsign, dateTime);
    // Club Log lists a callsign again for each special operation; the shortest period is the
    // most specific one.
    qint64 shortest = kLongestPeriod;
    int adif = 0;
    for (const CallException &row : rows) {
        const std::optional<QDateTime> start = periodDate(row.startDateString);
        const std::optional<QDateTime> end = periodDate(row.endDateString);
        if (!start || !end) {
            adif = row.adif;
            continue;
        }
        const qint64 period = start->secsTo(*end);
        if (period < shortest) {
            shortest = period;
            adif = row.adif;
        }
    }
    return adif;
}

int DXCCModel::searchForPrefix(QStringView prefix, const QString &dateTime)
{
    QList<CallException> rows = m_source->prefixesAt(prefix, dateTime);
    if (rows.size() <= 1)
        return rows.isEmpty() ? 0 : rows.first().adif;
    // A dated row is more specific than the open default of the same prefix.
    rows.removeIf([](const CallException &row) {
        return row.startDateString == kOpenStart && row.endDateString == kOpenEnd;
    });
    if (rows.size() <= 1)
        return rows.isEmpty() ? 0 : rows.first().adif;
    const int noted = rows.last().adif;
    rows.removeIf([](const CallException &row) {
        return row.startDateString == kOpenStart || row.endDateString == kOpenEnd;
    });
    if (rows.size() == 1)
        return rows.first().adif;
    diag(QStringLiteral("Prefix in Clublog database not unique: %1").arg(prefix));
    return noted;
}

bool DXCCModel::checkIfOperationIsValid(const QString &callsign, std::optional<QDateTime> date)
{
    if (!checkAlwaysForInvalidOperation)
        return true;
    m_source->refresh();
    const QString &dateTime = dateTimeText(date ? date->toUTC() : m_clock.now());
    if (searchForFullCall(callsign, dateTime) >= 1)
        return true;
    return m_source->invalidCountAt(callsign, dateTime) < 1;
}

CountryClass DXCCModel::adifToCountry(qint64 adif)
{
    if (adif == -999) {
        CountryClass country;
        country.dxcc = QStringLiteral("##");
        country.cntry = QStringLiteral("Invalid Operation");
        country.adif = -999;
        country.cnt = QStringLiteral("??");
        return country;
    }
    if (adif == 0)
        return unknownEntity();
    const qint64 number = std::abs(adif);
    CountryClass country;
    if (std::optional<CountryClass> row = m_source->entityByAdif(number)) {
        country = *row;
        country.adif = qint32(number);
    }
    country.iota = getIotaFromDxAdif(number);
    country.itu = getItuForDxccAdif(number);
    return country;
}

CountryClass DXCCModel::dxccToCountry(const QString &prefix)
{
    m_source->refresh();
    if (prefix == u"??")
        return unknownEntity();
    CountryClass country;
    if (prefix == u"##") {
        country.dxcc = QStringLiteral("##");
        country.cntry = QStringLiteral("Invalid Operation");
        country.adif = -1;
        country.cnt = QStringLiteral("##");
        return country;
    }
    if (std::optional<CountryClass> row = m_source->entityByPrefix(prefix)) {
        country = *row;
        country.dxcc = prefix;
    }
    country.iota = getIotaFromDxAdif(country.adif);
    return country;
}

int DXCCModel::getItuForDxccAdif(qint64 adif)
{
    return m_source->ituOf(adif);
}

QString DXCCModel::getIotaFromDxAdif(qint64 adif)
{
    return std::abs(adif) >= 1 ? m_source->iotaOf(adif) : QString();
}

QList<CountryClass> DXCCModel::getAllDXCCs()
{
    CountryClass invalid;
    invalid.dxcc = QStringLiteral("##");
    invalid.cntry = QStringLiteral("Invalid operation");
    invalid.adif = -999;
    QList<CountryClass> entities = {invalid, CountryClass()};
    entities.append(m_lists->allEntities());
    return entities;
}

QStringList DXCCModel::getAllStates()
{
    return m_lists->allStates();
}

QStringList DXCCModel::getAllCountiesForState(const QString &state)
{
    return m_lists->countiesOf(state);
}

int DXCCModel::getCallArea(const QString &callsign)
{
    return refdata::getCallArea(callsign);
}

QString DXCCModel::getFirstSuffix(const QString &callsign)
{
    return refdata::getFirstSuffix(callsign);
}
