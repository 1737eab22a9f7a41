#include "db/SafeWrite.h"

#include <QSaveFile>

#include <unistd.h>

namespace safewrite {

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    return writeFileWith(
        path,
        [&data](QIODevice &file) -> std::optional<QString> {
            if (file.write(data) != data.size())
                return file.errorString();
            return std::nullopt;
        },
        error);
}

bool writeFileWith(const QString &path,
                   const std::function<std::optional<QString>(QIODevice &file)> &write,
                   QString *error)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &why) {
        file.cancelWriting();
        if (error)
            *error = why;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (const std::optional<QString> why = write(file))
        return fail(*why);
    // QSaveFile's commit loses the error of its last flush (a full disk then leaves an empty
    // file in place of the old one), so the buffer is written out and synced here first.
    if (!file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(QString::fromLocal8Bit(strerror(errno)));
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace safewrite
