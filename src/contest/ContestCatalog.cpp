#include "contest/ContestCatalog.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <algorithm>

ContestCatalog::ContestCatalog(const QString &userFolder)
{
    readFolder(QStringLiteral(":/contests"));
    if (!userFolder.isEmpty())
        readFolder(userFolder);
    std::sort(m_contests.begin(), m_contests.end(),
              [](const auto &a, const auto &b) { return a.name < b.name; });
}

void ContestCatalog::readFolder(const QString &folder)
{
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &fileName : files) {
        QFile file(dir.filePath(fileName));
        // Definitions are small; a huge file is refused without reading it all.
        if (!file.open(QIODevice::ReadOnly)) {
            m_problems
                << QStringLiteral("%1: could not be read: %2").arg(fileName, file.errorString());
            continue;
        }
        QString error;
        std::optional<contest::ContestDefinition> def =
            contest::parseDefinition(file.read(256 * 1024 + 1), fileName, &error);
        if (!def) {
            qWarning().noquote() << "Contest definition refused:" << error;
            m_problems << error;
            continue;
        }
        const auto same = std::find_if(m_contests.begin(), m_contests.end(),
                                       [&def](const auto &c) { return c.name == def->name; });
        if (same != m_contests.end())
            *same = *def;
        else
            m_contests << *def;
    }
}

const contest::ContestDefinition *ContestCatalog::find(const QString &name) const
{
    for (const contest::ContestDefinition &def : m_contests)
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}
