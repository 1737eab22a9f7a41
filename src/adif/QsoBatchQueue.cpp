#include "adif/QsoBatchQueue.h"

#include <QMutexLocker>

#include <utility>

bool QsoBatchQueue::push(QList<QsoClass> batch, qsizetype done)
{
    QMutexLocker lock(&m_mutex);
    while (!m_abandoned && qsizetype(m_entries.size()) >= m_capacity)
        m_changed.wait(&m_mutex);
    if (m_abandoned)
        return false;
    m_entries.push_back({std::move(batch), done});
    m_changed.wakeAll();
    return true;
}

void QsoBatchQueue::close(QList<QsoClass> refresh)
{
    QMutexLocker lock(&m_mutex);
    m_refresh = std::move(refresh);
    m_closed = true;
    m_changed.wakeAll();
}

QList<QsoClass> QsoBatchQueue::next()
{
    Entry entry;
    {
        QMutexLocker lock(&m_mutex);
        // An empty batch (every record of it refused) is no end: only closing is.
        while (!m_abandoned && (m_entries.empty() || m_entries.front().batch.isEmpty())) {
            if (!m_entries.empty()) {
                entry.done = m_entries.front().done;
                m_entries.pop_front();
                m_changed.wakeAll();
                continue;
            }
            if (m_closed)
                break;
            m_changed.wait(&m_mutex);
        }
        if (!m_abandoned && !m_entries.empty()) {
            entry = std::move(m_entries.front());
            m_entries.pop_front();
            m_changed.wakeAll();
        }
    }
    if (taken && entry.done > 0)
        taken(entry.done);
    return std::move(entry.batch);
}

QList<QsoClass> QsoBatchQueue::dxInfoToRefresh()
{
    QMutexLocker lock(&m_mutex);
    while (!m_closed && !m_abandoned)
        m_changed.wait(&m_mutex);
    return m_refresh;
}

void QsoBatchQueue::abandon()
{
    QMutexLocker lock(&m_mutex);
    m_abandoned = true;
    m_entries.clear();
    m_changed.wakeAll();
}
