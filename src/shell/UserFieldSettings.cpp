#include "shell/UserFieldSettings.h"

#include "model/LogModel.h"
#include "refdata/UserFieldNames.h"

UserFieldSettings::UserFieldSettings(LogModel &log, QObject *parent) : QObject(parent), m_log(log)
{
    read();
    // The fields are kept per logbook.
    connect(&log, &LogModel::logbookSwitched, this, &UserFieldSettings::read);
}

QString UserFieldSettings::caption(int field) const
{
    return validField(field) ? m_fields[field - 1].caption : QString();
}

int UserFieldSettings::adifIndex(int field) const
{
    return validField(field) ? m_fields[field - 1].adifIndex : 0;
}

bool UserFieldSettings::remember(int field) const
{
    return validField(field) && m_fields[field - 1].remember;
}

void UserFieldSettings::setCaption(int field, const QString &caption)
{
    if (!validField(field) || caption == m_fields[field - 1].caption)
        return;
    m_log.updateUserFieldName(caption, field);
    written();
}

void UserFieldSettings::setAdifIndex(int field, int index)
{
    if (!validField(field) || index < 0 || index >= adifNames().size() ||
        index == m_fields[field - 1].adifIndex)
        return;
    m_log.updateUserFieldAdifIdx(index, field);
    written();
}

void UserFieldSettings::setRemember(int field, bool remember)
{
    if (!validField(field) || remember == m_fields[field - 1].remember)
        return;
    m_log.updateUserFieldRemember(remember, field);
    written();
}

QStringList UserFieldSettings::adifNames()
{
    // Index 0 and the separator (8) keep the field's own "app_tarvex_userfield_N".
    return adif::userFieldPickerNames();
}

void UserFieldSettings::read()
{
    for (int n = 1; n <= kFieldCount; ++n) {
        Field &field = m_fields[n - 1];
        field.caption = m_log.getUserFieldNameForNumber(n);
        field.adifIndex = m_log.getUserFieldAdifIdxForNumber(n);
        field.remember = m_log.getUserFieldRememberForNumber(n);
    }
    ++m_revision;
    emit changed();
}

void UserFieldSettings::written()
{
    read();
}
