#pragma once

#include <QString>

/** What tells one state of a logbook file from another: size, modification time, inode and
 *  SQLite's file change counter (bumped by every committed write). A cache that keeps this
 *  beside its data notices a changed or replaced file, even two writes within one clock tick. */
struct FileStamp {
    qint64 size = -1;
    qint64 modified = -1; // nanoseconds
    quint64 inode = 0;
    quint32 changeCounter = 0;

    [[nodiscard]] static FileStamp of(const QString &path);
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
