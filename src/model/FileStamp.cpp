#include "model/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    FileStamp stamp{qint64(status.st_size),
                    qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
                    quint64(status.st_ino), 0};
    // Bytes 24–27 of an SQLite file: the change counter, big-endian.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.seek(24)) {
        const QByteArray counter = file.read(4);
        if (counter.size() == 4)
            stamp.changeCounter = (quint32(quint8(counter[0])) << 24)
                | (quint32(quint8(counter[1])) << 16) | (quint32(quint8(counter[2])) << 8)
                | quint32(quint8(counter[3]));
    }
    return stamp;
}
