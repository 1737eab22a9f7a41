#include "shell/StationSettings.h"

#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "geo/Locator.h"
#include "model/LogModel.h"

StationSettings::StationSettings(NotificationCenter &centre, LogModel &log, QObject *parent)
    : QObject(parent), m_notifications(centre), m_log(log)
{
    read();
    m_notifications.observe(QString::fromLatin1(notifications::NewLogSelected), this,
                            [this](const QVariant &) { read(); });
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
    m_notifications.post(QString::fromLatin1(notifications::PrefsWereChanged));
}

void StationSettings::setMyLocator(const QString &locator)
{
    const QString value = locator.trimmed().toUpper();
    if (value == m_myLocator)
        return;
    m_log.updateMyLocator(value);
    read();
    m_notifications.post(QString::fromLatin1(notifications::PrefsWereChanged));
}

void StationSettings::read()
{
    m_myCallsign = m_log.getMyCallsign();
    m_myLocator = m_log.getMyLocator();
    m_logbookName = m_log.logDbName();
    emit changed();
}
