#include "refdata/ModesList.h"

#include <QFile>

namespace adif {

ModesList ModesList::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromText(QString::fromLatin1(file.readAll()));
}

ModesList ModesList::fromText(const QString &text)
{
    ModesList list;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QStringList entries = trimmed.split(QLatin1Char(','));
        for (const QString &entry : entries)
            if (const QString key = entry.toUpper(); !list.m_adifModes.contains(key))
                list.m_adifModes.insert(key, entries.first()); // the first line that lists it
    }
    return list;
}

std::optional<QString> ModesList::logModeToAdifMode(const QString &mode) const
{
    // "Usb" is USB: ADIF modes have no case.
    const auto found = m_adifModes.constFind(mode.toUpper());
    if (found == m_adifModes.cend())
        return std::nullopt;
    return *found;
}

} // namespace adif
