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
        if (!trimmed.isEmpty())
            list.m_lines.append(trimmed.split(QLatin1Char(',')));
    }
    return list;
}

std::optional<QString> ModesList::logModeToAdifMode(const QString &mode) const
{
    for (const QStringList &line : m_lines)
        if (line.contains(mode, Qt::CaseInsensitive)) // "Usb" is USB: ADIF modes have no case
            return line.first();
    return std::nullopt;
}

} // namespace adif
