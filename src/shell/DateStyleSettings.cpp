#include "shell/DateStyleSettings.h"

#include "root/AppDelegate.h"
#include "app/Notifications.h"
#include "formats/Formats.h"

namespace {

const QString kDateFormatIndex = QStringLiteral("DateFormatIndex");

} // namespace

DateStyleSettings::DateStyleSettings(AppDelegate &app, QObject *parent)
    : QObject(parent), m_app(app)
{}

int DateStyleSettings::dateFormatIndex() const
{
    return m_app.defaults().integer(kDateFormatIndex) == 0 ? 0 : 1;
}

void DateStyleSettings::setDateFormatIndex(int index)
{
    const int value = index == 0 ? 0 : 1;
    if (value == dateFormatIndex())
        return;
    m_app.defaults().setValue(kDateFormatIndex, value);
    emit changed();
    m_app.notifications().post(QString::fromLatin1(notifications::PrefsWereChanged));
}

QString DateStyleSettings::shortExample() const
{
    return formats::displayDate(m_app.clock().now().date(), formats::DateStyle::Short);
}

QString DateStyleSettings::mediumExample() const
{
    return formats::displayDate(m_app.clock().now().date(), formats::DateStyle::Medium);
}
