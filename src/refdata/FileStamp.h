#pragma once

#include <QString>

#include <optional>

namespace refdata {

/** What tells a replaced or rewritten file from the one read before: device, inode, size and
 *  modification time (nanoseconds). */
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;

    /** Nothing when the file cannot be looked at (missing, no permission). */
    [[nodiscard]] static std::optional<FileStamp> of(const QString &path);
};

} // namespace refdata
