// What the callsign, the locators, the clock and the own position tell the entry form.

#include "entry/QsoEntryForm.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"
#include "entry/EntryValidation.h"
#include "entry/FieldRules.h"
#include "entry/InfoLines.h"
#include "entry/OwnPosition.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/MemberListFile.h"
#include "refdata/MyFunctions.h"
#include "refdata/OneDxSpotClass.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

constexpr int kShortestLookup = 2;
constexpr int kLogLocatorLength = 6;
constexpr int kMyGridLength = 8;

const QString kLogTone = QStringLiteral("log");
const QString kErrorTone = QStringLiteral("error");
const QString kInvalidTone = QStringLiteral("invalid");

} // namespace

std::optional<QDateTime> QsoEntryForm::qsoDate() const
{
    if (m_stored && !m_dateTouched && m_stored->dateTime.isValid())
        return m_stored->dateTime;
    if (m_realTime)
        return std::nullopt;
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    if (auto instant = entry::parseEntryDateTime(m_values.dateString, m_values.timeString, style))
        return instant;
    if (auto instant =
            entry::parseEntryDateTime(m_values.dateString, QStringLiteral("0000"), style))
        return instant;
    return std::nullopt;
}

void QsoEntryForm::callChanged(const QString &callsign)
{
    // Another station replaces the one whose earlier QSOs filled the form: none of its name,
    // QTH, locator or manager may stay with the new call.
    if (!m_stored && !m_lookedUpCallsign.isEmpty() && callsign != m_lookedUpCallsign)
        clearStationFields();
    m_values.callsign = callsign;
    setTone(QStringLiteral("callsign"), {});
    m_lookupVisible = m_lookupConfigured && callsign.size() >= kShortestLookup;
    if (callsign != m_lookedUpCallsign)
        clearStationLines();
    resolveEntity();
    emit fieldsChanged();
    emit infoChanged();
}

void QsoEntryForm::callsignFieldDidEndEditing()
{
    if (const std::optional<double> kHz = entry::tuningCommand(m_values.callsign)) {
        // A frequency typed into the callsign field tunes the radio instead.
        OneDxSpotClass spot;
        spot.qrg = *kHz;
        spot.xMode = m_functions.qrg2xMode(*kHz);
        spot.band = m_functions.qrg2mBand(*kHz);
        spot.xBand = m_functions.qrg2xBand(*kHz);
        emit tuneRequested(spot);
        m_values.callsign.clear();
        m_lookedUpCallsign.clear();
        clearStationLines();
        emit fieldsChanged();
        emit infoChanged();
        return;
    }
    m_values.callsign = m_values.callsign.trimmed().toUpper();
    setTone(QStringLiteral("callsign"), {});
    // The entity first: its zones and island are defaults that what earlier QSOs knew may
    // replace.
    resolveEntity();
    if (m_values.callsign.isEmpty())
        clearStationLines();
    else
        stationLookups(m_values.callsign);
    m_lookedUpCallsign = m_values.callsign;
    emit fieldsChanged();
    emit infoChanged();
}

void QsoEntryForm::resolveEntity()
{
    const QString &callsign = m_values.callsign;
    if (callsign.trimmed().isEmpty()) {
        // No call, no entity: no "Unknown DXCC", no zones 0 in the fields, no old bearing.
        for (const char *field : {"cq", "itu", "iota"})
            setValue(QString::fromLatin1(field), {});
        m_entity = CountryClass();
        m_currentQsoIsValidOps = true;
        if (!m_stored)
            m_validOperation = true;
        m_entityLine.clear();
        m_values.dxcc.clear();
        m_dxInfo.clear();
        m_dxModeSummary.clear();
        m_zoneLine.clear();
        m_countyAsked = false;
        m_countyLine.clear();
        m_bearingKnown = false;
        m_bearing = 0;
        return;
    }
    const std::optional<QDateTime> date = qsoDate();
    const CountryClass entity = m_dxcc.getDXCC(callsign, date);
    m_currentQsoIsValidOps = m_dxcc.checkIfOperationIsValid(callsign, date);
    if (!m_stored) // editing on the phone: the operator's switch decides
        m_validOperation = m_currentQsoIsValidOps;
    m_entityLine = entry::lines::entityLine(entity);
    m_values.dxcc = entity.dxcc;
    if (!callsign.isEmpty() &&
        (entity.dxcc == QLatin1String("??") || entity.dxcc == QLatin1String("##"))) {
        m_entity = entity;
        setTone(QStringLiteral("callsign"), kErrorTone);
        m_dxInfo.clear();
        m_dxModeSummary.clear();
        m_zoneLine.clear();
        return;
    }
    showEntity(entity);
}

void QsoEntryForm::showEntity(const CountryClass &entity)
{
    const bool sameEntity = entity.adif == m_entity.adif;
    m_entity = entity;
    m_entityLine = entry::lines::entityLine(entity);
    m_values.dxcc = entity.dxcc;
    const bool counties = entry::hasCounties(entity.adif);
    if (counties && (!m_countyAsked || !sameEntity || m_countyLine.isEmpty()))
        m_countyLine = QString::fromLatin1(entry::texts::kSelectInDetails);
    else if (!counties)
        m_countyLine.clear();
    m_countyAsked = counties;

    m_dxInfo = m_log.getDxInfoString60m(entity.adif);
    m_dxModeSummary = entry::lines::modeSummaryLine(LogModel::makeModeInfoText(m_dxInfo));
    m_zoneLine = entry::lines::zoneLine(entity, m_functions, m_myLocator);
    if (const auto path = entry::lines::pathBetween(m_myLocator, entity.locator)) {
        m_bearing = path->degrees;
        m_bearingKnown = true;
    }
    setValue(QStringLiteral("cq"), QString::number(entity.cq));
    setValue(QStringLiteral("itu"), QString::number(entity.itu));
    setValue(QStringLiteral("iota"), entity.iota);
    emit endLocatorChanged(entity.locator);
}

void QsoEntryForm::stationLookups(const QString &callsign)
{
    m_stationLine = callsign;
    m_stationTone = m_currentQsoIsValidOps ? QString() : kInvalidTone;

    m_workedInfo = m_log.makeCallsignInfoString60m(callsign);
    m_workedModeSummary = entry::lines::modeSummaryLine(LogModel::makeModeInfoText(m_workedInfo));
    m_qsoCountLine = entry::lines::qsoCountLine(
        m_workedInfo.isEmpty() ? 0 : m_log.numberOfQSOsWithCallsign(callsign));

    const QString logLocator = m_log.getLocatorFromLog(callsign);
    if (logLocator.size() == kLogLocatorLength)
        showLocatorLine(logLocator);
    else
        m_locatorLine.clear();

    m_memberLine =
        memberlist::membershipText(m_log.isLotwUser(callsign), m_log.isEqslUser(callsign));

    const QsoClass known = m_log.getInfoForStation(callsign);
    if (m_values.callsign != callsign)
        return;
    const QList<std::pair<QString, QString>> fromLog = {
        {QStringLiteral("name"), known.name},       {QStringLiteral("qth"), known.qth},
        {QStringLiteral("manager"), known.manager}, {QStringLiteral("state"), known.state},
        {QStringLiteral("iota"), known.iota},       {QStringLiteral("locator"), known.locator}};
    for (const auto &[field, text] : fromLog)
        if (text.size() >= 2)
            setValue(field, text, kLogTone);
    useStationLocator();
}

void QsoEntryForm::useStationLocator()
{
    // The station's own locator beats the entity's centre for distance, bearing and the map.
    const QString &locator = m_values.locator;
    if (locator.isEmpty() || !MyFunctions::locatorIsValid(locator))
        return;
    showLocatorLine(locator);
    emit endLocatorChanged(locator);
}

void QsoEntryForm::showLocatorLine(const QString &locator)
{
    if (locator.isEmpty() || !MyFunctions::locatorIsValid(locator)) {
        m_locatorLine.clear();
        return;
    }
    m_locatorLine = entry::lines::sunLine(locator, m_functions, m_myLocator, true).trimmed();
    if (const auto path = entry::lines::pathBetween(m_myLocator, locator)) {
        m_bearing = path->degrees;
        m_bearingKnown = true;
    }
}

void QsoEntryForm::clearStationLines()
{
    m_stationLine.clear();
    m_stationTone.clear();
    m_workedInfo.clear();
    m_workedModeSummary.clear();
    m_qsoCountLine.clear();
    m_locatorLine.clear();
    m_memberLine.clear();
}

void QsoEntryForm::setRealTime(bool on)
{
    if (on == m_realTime && (on == m_clock->isActive()))
        return;
    m_realTime = on;
    if (on)
        m_clock->start();
    else
        m_clock->stop();
    refreshClock();
}

void QsoEntryForm::refreshClock()
{
    const QDateTime now = m_now.now();
    // With the clock off the fields start from now once, for the operator to change.
    if (m_realTime || (m_values.dateString.isEmpty() && m_values.timeString.isEmpty())) {
        m_values.dateString = formats::displayDate(now.date(), m_defaults.logDateFormaterStyle());
        m_values.timeString = now.toString(QLatin1String(formats::kLogTime));
        emit fieldsChanged();
    }
    if (MyFunctions::locatorIsValid(m_myLocator)) {
        m_ownSunLine = QCoreApplication::translate("InfoLines", "Sunrise: %1  Sunset: %2")
                           .arg(m_functions.calcSunrise(m_myLocator, -0.833),
                                m_functions.calcSunset(m_myLocator, -0.833));
        m_ownSunTwilight =
            entry::lines::isNauticalTwilight(m_functions.calcSunElevation(m_myLocator));
    } else {
        m_ownSunLine.clear();
        m_ownSunTwilight = false;
    }
    emit clockChanged();
}

void QsoEntryForm::setSaveCurrentLocation(bool on)
{
    if (on != m_saveCurrentLocation) {
        m_saveCurrentLocation = on;
        m_defaults.setValue(QStringLiteral("SaveCurrentLocation"), on);
        if (!on) {
            m_positionLine.clear();
            m_positionNote.clear();
            m_myLocator = m_log.getMyLocator();
            refreshClock();
        }
        emit settingsChanged();
        emit infoChanged();
    }
    m_position->setActive(on);
}

void QsoEntryForm::ownPositionChanged(geo::LatLon position, double altitude)
{
    if (!m_saveCurrentLocation)
        return;
    m_myLocator = MyFunctions::getLocator(position);
    if (m_myGridField > 0) {
        m_values.userField(m_myGridField) = MyFunctions::getLocator8(position).left(kMyGridLength);
        m_positionLine = entry::lines::altitudeText(altitude);
    } else {
        m_positionLine =
            entry::lines::positionText(m_myLocator, position.lat, position.lon, altitude);
    }
    m_positionNote = m_positionLine;
    refreshClock();
    emit settingsChanged();
    emit fieldsChanged();
    emit infoChanged();
}
