#include "shell/DateStyleSettings.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"

namespace {

const QString kDateFormatIndex = QStringLiteral("DateFormatIndex");

} // namespace

DateStyleSettings::DateStyleSettings(UserDefaults &defaults, const Clock &clock, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock)
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
}

QString DateStyleSettings::shortExample() const
{
    return formats::displayDate(m_clock.now().date(), formats::DateStyle::Short);
}

QString DateStyleSettings::mediumExample() const
{
    return formats::displayDate(m_clock.now().date(), formats::DateStyle::Medium);
}
