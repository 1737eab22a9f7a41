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

bool Statistics::isStale() const
{
    // A file that could not be looked at stays so until it changes: no reading again each time.
    return !m_current || db::FileStamp::of(m_log.fullLogDatabasePath()) != m_stamp;
}

const QsoStatistics &Statistics::current()
{
    if (isStale())
        read();
    return m_current ? *m_current : m_empty;
}

void Statistics::setLive(bool live)
{
    m_live = live;
    if (live && isStale())
        m_pending.start();
}

void Statistics::logbookChanged()
{
    // Any write may move any count (a QSO edited into another year, band or entity); the grouped
    // reading is read again whole rather than patched.
    m_current.reset();
    m_stamp.reset();
    if (m_live)
        m_pending.start();
}

void Statistics::read()
{
    m_pending.stop();
    QString error;
    const QString path = m_log.fullLogDatabasePath();
    // Taken first: a write while reading makes the next question read again.
    m_stamp = db::FileStamp::of(path);
    m_current = readStatistics(path, &error);
    if (!m_current) {
        qWarning("Cannot read the statistics: %s", qPrintable(error));
        // Shown as empty, and not read again until the logbook changes.
        m_current = QsoStatistics{};
    }
    m_error = error;
    emit changed();
}

} // namespace stats
