#pragma once

#include <QString>

#include <optional>

namespace db {

/** What tells one state of a database file from another: device, inode, size, modification time
 *  and SQLite's file change counter (bumped by every committed write). A cache that keeps this
 *  beside its data notices a replaced or rewritten file, even two writes within one clock tick. */
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint32 changeCounter = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;

    /** Nothing when the file cannot be looked at (missing, no permission). */
    [[nodiscard]] static std::optional<FileStamp> of(const QString &path);
};

} // namespace db
