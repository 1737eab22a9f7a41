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

    /** A file in the data folder. */
    [[nodiscard]] QString filePath(const QString &fileName) const;
    /** Copies a shipped resource (":/resource") into the data folder under the target name (the
     *  resource's own name when empty) unless that file exists; the copy is made writable.
     *  False when the copy failed. */
    bool copyResourceIfMissing(const QString &resource, const QString &target = {}) const;
};
