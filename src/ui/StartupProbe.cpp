#include "StartupProbe.h"

#include "entry/LogListModel.h"

#include <QFile>
#include <QGuiApplication>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

/** How long this process has run, from the kernel's start time of it (clock-tick resolution);
 *  -1 where /proc cannot tell. */
qint64 processAgeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    // The command name in parentheses may hold blanks: fields are counted after its ')'.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19; // field 22 of the line, the 20th after the name
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (fields.size() <= kStartTimeField || ticksPerSecond <= 0)
        return -1;
    const double started = fields.at(kStartTimeField).toDouble() / double(ticksPerSecond);
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return qint64((now - started) * 1000.0);
}

} // namespace

StartupProbe::StartupProbe(const LogListModel &list, QQuickWindow &window, QObject *parent)
    : QObject(parent), m_list(list), m_window(&window)
{
    connect(&window, &QQuickWindow::frameSwapped, this, &StartupProbe::frameShown,
            Qt::QueuedConnection);
}

void StartupProbe::frameShown()
{
    if (!m_list.rowsShown())
        return;
    disconnect(m_window, nullptr, this, nullptr);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first frame with %d listed QSO(s) after %lld ms, peak memory %ld MB\n",
                m_list.rowCount(), static_cast<long long>(processAgeMs()), usage.ru_maxrss / 1024);
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QGuiApplication::quit);
}
