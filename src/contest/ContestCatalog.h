#pragma once

#include "contest/ContestDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>

/** The contests the program knows: the shipped definitions and the user's own files in the
 *  data folder's "Contests" folder (a user file of the same name replaces a shipped one). A file
 *  that is refused is left out, its reason kept in `problems`. */
class ContestCatalog {
public:
    /** Reads the shipped definitions and those in `userFolder` (may be missing). */
    explicit ContestCatalog(const QString &userFolder);

    [[nodiscard]] const QList<contest::ContestDefinition> &contests() const { return m_contests; }
    /** The contest of that name (any case), or nullptr. */
    [[nodiscard]] const contest::ContestDefinition *find(const QString &name) const;
    [[nodiscard]] const QStringList &problems() const { return m_problems; }

    /** The data folder's sub-folder for the user's own definitions. */
    static constexpr char kFolderName[] = "Contests";

private:
    void readFolder(const QString &folder);

    QList<contest::ContestDefinition> m_contests;
    QStringList m_problems;
};
