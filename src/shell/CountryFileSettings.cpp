#include "shell/CountryFileSettings.h"

#include "app/AppDelegate.h"
#include "shell/ShellTexts.h"

CountryFileSettings::CountryFileSettings(AppDelegate &app, QObject *parent)
    : QObject(parent), m_app(app),
      m_fileDate(app.defaults().string(QStringLiteral("LastClublogXmlData")))
{}

void CountryFileSettings::load()
{
    if (!available() || m_busy)
        return;
    m_busy = true;
    m_errorLine.clear();
    emit changed();
}

void CountryFileSettings::clublogStatus(const QString &status)
{
    m_statusLine = QString::fromLatin1(shelltexts::kClublogStatus).arg(status);
    emit changed();
}

void CountryFileSettings::clublogError(const QString &error)
{
    m_errorLine = QString::fromLatin1(shelltexts::kClublogError).arg(error);
    m_busy = false;
    emit changed();
}

void CountryFileSettings::newUpdateDateSet(const QString &date)
{
    m_fileDate = date;
    emit changed();
}

void CountryFileSettings::clublogProcessingFinished()
{
    m_busy = false;
    emit changed();
}
