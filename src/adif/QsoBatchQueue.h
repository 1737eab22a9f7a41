#pragma once

#include "model/LogStore.h"

#include <QMutex>
#include <QWaitCondition>

#include <deque>
#include <functional>

/** Batches of QSOs passed from the thread that reads them to the one that uses them (an import's
 *  file reader to the store's writer, an export's logbook reader to the file writer): the reader
 *  waits when `capacity` batches are waiting, so memory stays bounded while both threads work. */
class QsoBatchQueue final : public QsoBatches {
public:
    explicit QsoBatchQueue(qsizetype capacity) : m_capacity(capacity) {}

    // The reader's side.
    /** Queues a batch read up to record `done`; false when the writer has given up (the batch
     *  is dropped). */
    bool push(QList<QsoClass> batch, qsizetype done);
    /** No more batches; `refresh` is what dxInfoToRefresh() answers. */
    void close(QList<QsoClass> refresh);

    // The writer's side.
    /** Waits for the next batch; empty once the reader closed the queue. */
    QList<QsoClass> next() override;
    QList<QsoClass> dxInfoToRefresh() override;
    /** The writer takes no more batches: waiting and later pushes are turned away. */
    void abandon();
    /** Called on the writer's thread with the reader's count whenever it takes a batch. */
    std::function<void(qsizetype done)> taken;

private:
    struct Entry {
        QList<QsoClass> batch;
        qsizetype done = 0;
    };

    QMutex m_mutex;
    QWaitCondition m_changed;
    const qsizetype m_capacity;
    std::deque<Entry> m_entries;
    QList<QsoClass> m_refresh;
    bool m_closed = false;
    bool m_abandoned = false;
};
