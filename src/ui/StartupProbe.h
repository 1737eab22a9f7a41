#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

class LogListModel;

/** What the start-up benchmark reads: after the first frame that shows the log list with its
 *  rows read, prints one line, "first frame with N listed QSO(s) after T ms, peak memory M MB",
 *  counted from the start of the process, and quits. */
class StartupProbe : public QObject {
public:
    StartupProbe(const LogListModel &list, QQuickWindow &window, QObject *parent = nullptr);

private:
    void frameShown();

    const LogListModel &m_list;
    QPointer<QQuickWindow> m_window;
};
