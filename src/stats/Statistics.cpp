#include "stats/Statistics.h"

#include "model/LogModel.h"
#include "stats/StatisticsReader.h"

namespace stats {

Statistics::Statistics(LogModel &log, QObject *parent) : QObject(parent), m_log(log)
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &Statistics::read);
    connect(&log, &LogModel::qsosChanged, this, &Statistics::logbookChanged);
    connect(&log, &LogModel::logbookSwitched, this, &Statistics::logbookChanged);
}

const QsoStatistics &Statistics::current()
{
    if (!m_current)
        read();
    return m_current ? *m_current : m_empty;
}

void Statistics::setLive(bool live)
{
    m_live = live;
    if (live && !m_current)
        m_pending.start();
}

void Statistics::logbookChanged()
{
    // Every count may move with any write (a QSO edited into another year or band), and one
    // grouped reading is quick, so the whole is read again rather than patched.
    m_current.reset();
    if (m_live)
        m_pending.start();
}

void Statistics::read()
{
    m_pending.stop();
    QString error;
    m_current = readStatistics(m_log.fullLogDatabasePath(), &error);
    if (!m_current) {
        qWarning("Cannot read the statistics: %s", qPrintable(error));
        // Shown as empty, and not read again until the logbook changes.
        m_current = QsoStatistics{};
    }
    m_error = error;
    emit changed();
}

} // namespace stats
