#pragma once

#include "model/LogStore.h"

#include <utility>

/** QSOs already read, handed over to a bulk save as one batch. */
class QsoBatchList final : public QsoBatches {
public:
    QsoBatchList(const QList<QsoClass> &qsos, const QList<QsoClass> &dxInfoToRefresh)
        : m_qsos(qsos), m_refresh(dxInfoToRefresh)
    {}

    QList<QsoClass> next() override { return std::exchange(m_qsos, {}); }
    QList<QsoClass> dxInfoToRefresh() override { return m_refresh; }

private:
    QList<QsoClass> m_qsos;
    QList<QsoClass> m_refresh;
};
