#pragma once

#include <QString>
#include <QStringList>

/** Where logbooks, reference databases and member lists live ("Documents"). */
struct DataFolder {
    QString path;
    /** True when chosen by "--data-dir" or BRINDLEWICK_HOME: the settings file lives there too,
     *  so tests and scripted runs never touch the user's own settings. */
    bool overridden = false;

    /** "--data-dir DIR" (or "--data-dir=DIR") in the arguments wins, then the environment
     *  variable BRINDLEWICK_HOME, then the platform's application data folder. */
    [[nodiscard]] static DataFolder resolve(const QStringList &arguments);
    [[nodiscard]] static DataFolder at(const QString &path) { return {path, true}; }
};
