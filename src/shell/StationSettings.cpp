#include "shell/StationSettings.h"

#include "geo/Locator.h"
#include "model/LogModel.h"

StationSettings::StationSettings(LogModel &log, QObject *parent) : QObject(parent), m_log(log)
{
    read();
    // Call and locator are kept per logbook.
    connect(&log, &LogModel::logbookSwitched, this, &StationSettings::read);
}

bool StationSettings::locatorValid() const
{
    return m_myLocator.isEmpty() || geo::locatorIsValid(m_myLocator);
}

void StationSettings::setMyCallsign(const QString &callsign)
{
    const QString value = callsign.trimmed().toUpper();
    if (value == m_myCallsign)
        return;
    m_log.updateMyCallsign(value);
    read();
}

void StationSettings::setMyLocator(const QString &locator)
{
    const QString value = locator.trimmed().toUpper();
    if (value == m_myLocator)
        return;
    m_log.updateMyLocator(value);
    read();
}

void StationSettings::read()
{
    m_myCallsign = m_log.getMyCallsign();
    m_myLocator = m_log.getMyLocator();
    m_logbookName = m_log.logDbName();
    emit changed();
}
