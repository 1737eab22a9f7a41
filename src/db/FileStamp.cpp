#include "db/FileStamp.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    // Plain system calls: the cluster asks this for every question about every spot.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    std::optional<FileStamp> stamp;
    if (::fstat(fd, &status) == 0) {
        stamp =
            FileStamp{quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                      qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec, 0};
        // Bytes 24–27 of an SQLite file: the change counter, big-endian.
        unsigned char counter[4] = {};
        if (::pread(fd, counter, sizeof counter, 24) == sizeof counter)
            stamp->changeCounter = (quint32(counter[0]) << 24) | (quint32(counter[1]) << 16) |
                                   (quint32(counter[2]) << 8) | quint32(counter[3]);
    }
    ::close(fd);
    return stamp;
}

} // namespace db
