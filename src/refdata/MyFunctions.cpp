#include "refdata/MyFunctions.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "geo/Bearing.h"
#include "geo/DateHelpers.h"
#include "geo/Geodesic.h"
#include "geo/Locator.h"
#include "geo/Sun.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"

namespace {

const QString kQrgs = QStringLiteral("QRGs");
const QString kNewOnesOnly = QStringLiteral("NewOnesOnly");
const QString kColoredSpots = QStringLiteral("ColoredSpots");
const QString kCallsToMark = QStringLiteral("CallsToMark");

/** The marked callsigns; an INI file gives back a one-entry list as plain text, and empty
 *  entries would mark nothing. */
QStringList markedCalls(const QVariant &stored)
{
    QStringList calls = stored.toStringList();
    calls.removeAll(QString());
    return calls;
}

} // namespace

MyFunctions::MyFunctions(const UserDefaults &defaults, const Clock &clock, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock)
{
    loadPrefs();
    connect(&m_defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == kQrgs || key == kNewOnesOnly || key == kColoredSpots || key == kCallsToMark) {
            loadPrefs();
            emit optionsChanged();
        }
    });
}

void MyFunctions::loadPrefs()
{
    m_allQRGs = bandTable(m_defaults);
    m_newOnesOnly = m_defaults.boolean(kNewOnesOnly);
    m_coloredSpots = m_defaults.boolean(kColoredSpots);
    m_callsignsToMark = markedCalls(m_defaults.value(kCallsToMark));
}

refdata::BandTable MyFunctions::bandTable(const UserDefaults &defaults)
{
    return refdata::BandTable::fromVariant(defaults.list(kQrgs));
}

int MyFunctions::qrg2xBand(double kHz) const
{
    return refdata::qrg2xBand(m_allQRGs, kHz);
}

QString MyFunctions::qrg2mBand(double kHz) const
{
    return refdata::qrg2mBand(m_allQRGs, kHz);
}

int MyFunctions::band2xBand(const QString &name)
{
    return refdata::band2xBand(name);
}

double MyFunctions::mBand2qrg(const QString &name)
{
    return refdata::mBand2qrg(name);
}

QString MyFunctions::qrg2Mode(double kHz) const
{
    return refdata::qrg2Mode(m_allQRGs, kHz);
}

int MyFunctions::qrg2xMode(double kHz) const
{
    return refdata::qrg2xMode(m_allQRGs, kHz);
}

int MyFunctions::mode2xMode(const QString &mode)
{
    return refdata::mode2xMode(mode);
}

QString MyFunctions::getLocator(geo::LatLon position)
{
    return geo::getLocator(position);
}

QString MyFunctions::getLocator8(geo::LatLon position)
{
    return geo::getLocator8(position);
}

double MyFunctions::getLat(const QString &locator)
{
    return geo::getLat(locator);
}

double MyFunctions::getLon(const QString &locator)
{
    return geo::getLon(locator);
}

geo::LatLon MyFunctions::getCLLocationFromLocator(const QString &locator)
{
    return geo::getCLLocationFromLocator(locator);
}

bool MyFunctions::locatorIsValid(const QString &locator)
{
    return geo::locatorIsValid(locator);
}

int MyFunctions::getDistanceFrom(const QString &from, const QString &to)
{
    return geo::getDistanceFrom(from, to);
}

int MyFunctions::getBearingFrom(const QString &from, const QString &to)
{
    return geo::getBearingFrom(from, to);
}

QString MyFunctions::calcSunrise(const QString &locator, double altitude) const
{
    return geo::calcSunrise(locator, altitude, m_clock.now());
}

QString MyFunctions::calcSunset(const QString &locator, double altitude) const
{
    return geo::calcSunset(locator, altitude, m_clock.now());
}

double MyFunctions::calcSunElevation(const QString &locator) const
{
    return geo::calcSunElevation(locator, m_clock.now());
}

std::optional<QDateTime> MyFunctions::makeDate(const QString &text)
{
    return geo::makeDate(text);
}

std::optional<QDateTime> MyFunctions::makeDateTime(const QString &text)
{
    return formats::parseSqlDateTime(text);
}

QString MyFunctions::sqlDateTime(const QDateTime &instant)
{
    return formats::sqlDateTime(instant);
}

QString MyFunctions::sqlDate(const QDateTime &instant)
{
    return geo::sqlDate(instant);
}

QString MyFunctions::qslDateTime(const QDateTime &instant)
{
    return geo::qslDateTime(instant);
}

std::optional<QDateTime> MyFunctions::dateAt0(const QDateTime &instant)
{
    return geo::dateAt0(instant);
}

std::optional<QDateTime> MyFunctions::dateAt24(const QDateTime &instant)
{
    return geo::dateAt24(instant);
}
