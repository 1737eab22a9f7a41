#include "shell/DateStyleSettings.h"

#include "app/Clock.h"
#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"

namespace {

const QString kDateFormatIndex = QStringLiteral("DateFormatIndex");

} // namespace

DateStyleSettings::DateStyleSettings(UserDefaults &defaults, NotificationCenter &centre,
                                     const Clock &clock, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_notifications(centre), m_clock(clock)
{}

int DateStyleSettings::dateFormatIndex() const
{
    return m_defaults.integer(kDateFormatIndex) == 0 ? 0 : 1;
}

void DateStyleSettings::setDateFormatIndex(int index)
{
    const int value = index == 0 ? 0 : 1;
    if (value == dateFormatIndex())
        return;
    m_defaults.setValue(kDateFormatIndex, value);
    emit changed();
    m_notifications.post(QString::fromLatin1(notifications::PrefsWereChanged));
}

QString DateStyleSettings::shortExample() const
{
    return formats::displayDate(m_clock.now().date(), formats::DateStyle::Short);
}

QString DateStyleSettings::mediumExample() const
{
    return formats::displayDate(m_clock.now().date(), formats::DateStyle::Medium);
}
