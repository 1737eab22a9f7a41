#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QSocketNotifier;

/** Tells cheaply whether files may have changed since they were last looked at: a counter that
 *  rises at every write, rename or deletion the kernel reports for one of them (inotify on their
 *  folders, read on the owner's event loop). Looking at the counter costs no system call, unlike
 *  looking at the file, which the resolution cannot afford on every keystroke. The watch lives
 *  as long as its owner; destroying it stops watching. */
namespace refdata {

class FileChangeWatch {
public:
    /** Starts watching the folders of the paths; without kernel support or an event loop on
     *  this thread every query counts as a possible change. */
    explicit FileChangeWatch(const QStringList &paths);
    ~FileChangeWatch();
    FileChangeWatch(const FileChangeWatch &) = delete;
    FileChangeWatch &operator=(const FileChangeWatch &) = delete;

    /** Changes seen so far; a different value than before means "look at the file again". A
     *  folder that was moved or deleted reports a change at every look. Changes are counted
     *  when the event loop runs. */
    [[nodiscard]] quint64 generation() const;

private:
    void readEvents();

    QSet<QByteArray> m_names;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    quint64 m_changes = 0;
    bool m_lost = false;
    mutable quint64 m_unwatched = 0;
};

} // namespace refdata
