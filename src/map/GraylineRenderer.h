#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>

#include <atomic>

namespace map {

/** Shades the map on the worker thread it is moved to; each request carries a generation
 *  number, and a request that a newer one has overtaken before it started is skipped. */
class GraylineRenderer : public QObject {
    Q_OBJECT
public:
    /** latest: the newest generation asked for, written by the main thread. */
    GraylineRenderer(QImage map, const std::atomic<quint64> &latest);

    void render(quint64 generation, const QDateTime &moment);

signals:
    void rendered(quint64 generation, const QDateTime &moment, const QImage &image);

private:
    const QImage m_map;
    const std::atomic<quint64> &m_latest;
};

} // namespace map
