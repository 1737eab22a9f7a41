#pragma once

#include <QString>
#include <QUrl>

namespace shell {

/** A local path from what a screen hands over: a "file:" URL (file dialogs, drops) or a path
 *  (command line). */
[[nodiscard]] inline QString localPath(const QString &pathOrUrl)
{
    const QUrl url(pathOrUrl);
    return url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
}

} // namespace shell
