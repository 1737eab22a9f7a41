#include "shell/CountryFileSettings.h"

#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "refdata/ClublogDxStuff.h"
#include "shell/LocalFile.h"
#include "shell/ShellTexts.h"

CountryFileSettings::CountryFileSettings(UserDefaults &defaults, const DataFolder &folder,
                                         QObject *parent)
    : QObject(parent), m_rebuild(new ClublogDxStuff(defaults, folder, this)),
      m_fileDate(defaults.string(QString::fromLatin1(ClublogDxStuff::kLastDateKey)))
{
    connect(m_rebuild, &ClublogDxStuff::clublogStatus, this, &CountryFileSettings::clublogStatus);
    connect(m_rebuild, &ClublogDxStuff::clublogError, this, &CountryFileSettings::clublogError);
    connect(m_rebuild, &ClublogDxStuff::newUpdateDateSet, this,
            &CountryFileSettings::newUpdateDateSet);
    connect(m_rebuild, &ClublogDxStuff::idle, this,
            &CountryFileSettings::clublogProcessingFinished);
}

bool CountryFileSettings::begin()
{
    if (m_busy)
        return false;
    m_busy = true;
    m_errorLine.clear();
    emit changed();
    return true;
}

void CountryFileSettings::load()
{
    if (begin())
        m_rebuild->loadAndProccessXMLFile();
}

void CountryFileSettings::loadFile(const QString &pathOrUrl)
{
    if (begin())
        m_rebuild->loadAndProccessFile(shell::localPath(pathOrUrl));
}

void CountryFileSettings::clublogStatus(const QString &status)
{
    m_statusLine = shelltexts::shown(shelltexts::kClublogStatus).arg(status);
    emit changed();
}

void CountryFileSettings::clublogError(const QString &error)
{
    m_errorLine = shelltexts::shown(shelltexts::kClublogError).arg(error);
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
