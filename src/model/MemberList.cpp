#include "model/MemberList.h"

#include <QFile>

MemberList MemberList::load(const QString &path, const QString &separator)
{
    MemberList list;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return list;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(separator);
    list.m_lineCount = int(lines.size());
    list.m_calls = QSet<QString>(lines.begin(), lines.end());
    return list;
}
