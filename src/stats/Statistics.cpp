#include "stats/Statistics.h"

#include "model/LogModel.h"

#include <algorithm>

namespace stats {
namespace {

/** A change naming more QSOs than this part of the logbook is cheaper to read whole. */
constexpr qsizetype kRereadShare = 8;
constexpr qsizetype kFewQsos = 64;

} // namespace

Statistics::Statistics(LogModel &log, QObject *parent) : QObject(parent), m_log(log)
{
    connect(&log, &LogModel::qsosChanged, this, &Statistics::takeChange);
    connect(&log, &LogModel::logbookSwitched, this, &Statistics::logbookSwitched);
}

Statistics::~Statistics()
{
    if (m_worker) {
        m_worker->disconnect(this);
        m_worker->wait();
        delete m_worker;
    }
}

bool Statistics::isStale() const
{
    // A file that could not be read stays so until it changes: no reading again each time.
    return !m_counted || m_path != m_log.fullLogDatabasePath() ||
           db::FileStamp::of(m_path) != m_stamp;
}

void Statistics::setLive(bool live)
{
    m_live = live;
    if (!live)
        return;
    if (isStale())
        startReading();
    else if (m_unpublished)
        publish();
}

void Statistics::reread()
{
    forget();
    startReading();
}

void Statistics::takeChange(const QsoChange &change)
{
    if (m_worker) {
        // Taken in when the reading ends: the worker may or may not have seen the write.
        if (change.many)
            m_restart = true;
        else
            m_queued.unite(change.ids);
        return;
    }
    if (!m_tally) {
        forget();
        return;
    }
    QString error;
    if (change.many || change.ids.size() > std::max(kFewQsos, m_tally->size() / kRereadShare) ||
        !m_tally->update(m_path, change.ids, &error)) {
        if (!error.isEmpty())
            qWarning("Cannot read the changed QSOs for the statistics: %s", qPrintable(error));
        forget();
        if (m_live)
            startReading();
        return;
    }
    m_stamp = db::FileStamp::of(m_path);
    m_unpublished = true;
    if (m_live)
        publish();
}

void Statistics::logbookSwitched()
{
    forget();
    // Another logbook's numbers are not shown meanwhile.
    m_current = QsoStatistics{};
    emit changed();
    if (m_live)
        startReading();
}

void Statistics::forget()
{
    // Freeing the counts of a big logbook takes a while: done by the next reading's worker.
    if (m_tally)
        m_discarded.push_back(std::move(m_tally));
    m_counted = false;
    if (m_worker)
        m_restart = true;
}

void Statistics::startReading()
{
    if (m_worker) {
        m_restart = true;
        return;
    }
    m_restart = false;
    m_queued.clear();
    auto reading = std::make_shared<Reading>();
    reading->path = m_log.fullLogDatabasePath();
    m_reading = reading;
    auto discarded =
        std::make_shared<std::vector<std::unique_ptr<StatisticsTally>>>(std::move(m_discarded));
    m_discarded.clear();
    m_worker = QThread::create([reading, discarded] {
        discarded->clear();
        // Taken first: a write while reading makes the file look changed afterwards.
        reading->stamp = db::FileStamp::of(reading->path);
        reading->ok = reading->tally.build(reading->path, &reading->error);
    });
    connect(m_worker, &QThread::finished, this, &Statistics::readingDone);
    m_worker->start();
    emit readingChanged();
}

void Statistics::readingDone()
{
    // `finished` comes just before the thread ends.
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    const std::shared_ptr<Reading> reading = std::move(m_reading);
    if (m_restart || reading->path != m_log.fullLogDatabasePath()) {
        startReading();
        return;
    }
    m_path = reading->path;
    m_stamp = reading->stamp;
    m_counted = true;
    m_error = reading->error;
    if (reading->ok) {
        m_tally = std::make_unique<StatisticsTally>(std::move(reading->tally));
    } else {
        qWarning("Cannot read the statistics: %s", qPrintable(reading->error));
        m_tally.reset();
    }
    const QSet<qint64> queued = std::exchange(m_queued, {});
    emit readingChanged();
    if (m_tally && !queued.isEmpty()) {
        QsoChange change;
        change.ids = queued;
        takeChange(change);
        if (m_worker || !m_unpublished)
            return; // reading again, or shown already
    }
    publish();
}

void Statistics::publish()
{
    m_unpublished = false;
    // Shown as empty when the logbook cannot be read.
    m_current = m_tally ? m_tally->statistics() : QsoStatistics{};
    emit changed();
}

} // namespace stats
