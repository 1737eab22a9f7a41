#pragma once

#include <QString>

#include <atomic>
#include <memory>

/** Tells cheaply whether a file may have changed since it was last looked at: a counter per
 *  folder that a watcher thread raises at every write, rename or deletion the kernel reports
 *  there (inotify), and that replaceFile() raises at once for the program's own swaps. Looking
 *  at the counter costs no system call, unlike looking at the file, which the resolution cannot
 *  afford on every keystroke. */
namespace refdata {

class FileChangeWatch {
public:
    /** Starts watching the folder of the path; without kernel support every query counts as a
     *  possible change. */
    explicit FileChangeWatch(const QString &path);

    /** Changes seen so far; a different value than before means "look at the file again". A
     *  folder that was moved or deleted reports a change at every look. */
    [[nodiscard]] quint64 generation() const;
    /** False when the folder could not be watched. */
    [[nodiscard]] bool isWatching() const { return m_counter != nullptr; }

    /** Raises every counter: the program itself has just replaced a file. */
    static void noteChange();

    struct Counter;

private:
    std::shared_ptr<const Counter> m_counter;
};

} // namespace refdata
