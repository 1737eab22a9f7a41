#include "refdata/FileChangeWatch.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

namespace refdata {

FileChangeWatch::FileChangeWatch(const QStringList &paths)
{
    // The notifier needs this thread's event loop; without one the files are looked at every
    // time.
    if (!QAbstractEventDispatcher::instance())
        return;
    m_fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (m_fd < 0)
        return;
    constexpr uint32_t events = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                                IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        m_names.insert(QFile::encodeName(file.fileName()));
        // A folder named twice is watched once; the kernel hands out the same watch again.
        if (inotify_add_watch(m_fd, QFile::encodeName(file.absolutePath()).constData(), events) <
            0) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readEvents(); });
}

FileChangeWatch::~FileChangeWatch()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

quint64 FileChangeWatch::generation() const
{
    if (m_fd < 0 || m_lost)
        return ++m_unwatched + m_changes;
    return m_changes;
}

void FileChangeWatch::readEvents()
{
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return; // drained (EAGAIN) or nothing more to read
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & IN_Q_OVERFLOW) {
                ++m_changes;
            } else {
                // The path may name another folder from now on; the files are looked at each
                // time.
                if (event->mask & (IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED))
                    m_lost = true;
                // Writes to other files there (the logbook lives in the same folder) are not
                // counted; events about the folder itself carry no name.
                if (event->len == 0 || m_names.contains(QByteArray(event->name)))
                    ++m_changes;
            }
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
}

} // namespace refdata
