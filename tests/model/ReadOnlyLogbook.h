#pragma once

// A logbook file SQLite will not write to, for tests of refused writes.

#include <QFile>
#include <QString>

/** Sets the file format write version in the SQLite header (byte 18) above 2: SQLite then opens
 *  the file read-only and every write fails with "attempt to write a readonly database". Unlike
 *  chmod this also holds when the tests run as root. False when the file could not be changed. */
[[nodiscard]] inline bool makeLogbookReadOnly(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(18) && file.putChar(3);
}
