#include "refdata/FileChangeWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <mutex>
#include <thread>

#include <sys/inotify.h>
#include <unistd.h>

namespace refdata {

/** Changes to the watched files of one folder; a folder that was moved or deleted can no longer
 *  be watched under its path, so its counter then reports a change at every look. Writes to other
 *  files there (the logbook lives in the same folder) are not counted. */
struct FileChangeWatch::Counter {
    std::atomic<quint64> changes{0};
    std::atomic<bool> lost{false};
    QSet<QByteArray> names; // guarded by the watcher's mutex
};

namespace {

using Counter = FileChangeWatch::Counter;

std::atomic<quint64> g_ownChanges{0};

/** One inotify descriptor and one thread for the process; folders are added as models ask. It
 *  lives until the process ends, so the thread never sees it go away. */
class Watcher {
public:
    std::shared_ptr<Counter> counterFor(const QString &folder, const QByteArray &name)
    {
        std::lock_guard lock(m_mutex);
        if (const auto it = m_byFolder.constFind(folder); it != m_byFolder.constEnd()) {
            (*it)->names.insert(name);
            return *it;
        }
        if (m_fd < 0 && !start())
            return nullptr;
        constexpr uint32_t events = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                                    IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF |
                                    IN_MOVE_SELF;
        const int wd = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), events);
        if (wd < 0)
            return nullptr;
        auto counter = m_byWatch.value(wd);
        if (!counter)
            counter = std::make_shared<Counter>();
        counter->names.insert(name);
        m_byWatch.insert(wd, counter);
        m_byFolder.insert(folder, counter);
        return counter;
    }

private:
    bool start()
    {
        m_fd = inotify_init1(IN_CLOEXEC);
        if (m_fd < 0)
            return false;
        std::thread([this] { run(); }).detach();
        return true;
    }

    void run()
    {
        alignas(inotify_event) char buffer[16 * 1024];
        for (;;) {
            const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
            if (length <= 0)
                continue;
            std::lock_guard lock(m_mutex);
            for (ssize_t at = 0; at < length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->mask & IN_Q_OVERFLOW) {
                    for (const auto &counter : std::as_const(m_byWatch))
                        counter->changes.fetch_add(1);
                } else if (const auto counter = m_byWatch.value(event->wd)) {
                    if (event->mask & (IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED))
                        forget(event->wd, event->mask, *counter);
                    // Events about the folder itself carry no name.
                    if (event->len == 0 || counter->names.contains(QByteArray(event->name)))
                        counter->changes.fetch_add(1);
                }
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }

    /** The path may name another folder from now on; a later model watches that one. */
    void forget(int wd, uint32_t mask, Counter &counter)
    {
        counter.lost.store(true);
        for (auto it = m_byFolder.begin(); it != m_byFolder.end();) {
            if (it.value().get() == &counter)
                it = m_byFolder.erase(it);
            else
                ++it;
        }
        if (mask & IN_IGNORED)
            m_byWatch.remove(wd); // the kernel may hand the number out again
        else
            inotify_rm_watch(m_fd, wd);
    }

    std::mutex m_mutex;
    int m_fd = -1;
    QHash<int, std::shared_ptr<Counter>> m_byWatch;
    QHash<QString, std::shared_ptr<Counter>> m_byFolder;
};

Watcher &watcher()
{
    static Watcher *const shared = new Watcher; // never destroyed: its thread outlives main()
    return *shared;
}

/** Stands for "changed" at every look when nothing can be watched. */
std::atomic<quint64> g_unwatched{0};

} // namespace

FileChangeWatch::FileChangeWatch(const QString &path)
    : m_counter(watcher().counterFor(QFileInfo(path).absolutePath(),
                                     QFile::encodeName(QFileInfo(path).fileName())))
{}

quint64 FileChangeWatch::generation() const
{
    if (!m_counter || m_counter->lost.load(std::memory_order_acquire))
        return g_unwatched.fetch_add(1, std::memory_order_relaxed) + 1;
    return m_counter->changes.load(std::memory_order_acquire) +
           g_ownChanges.load(std::memory_order_acquire);
}

void FileChangeWatch::noteChange()
{
    g_ownChanges.fetch_add(1, std::memory_order_acq_rel);
}

} // namespace refdata
