#include "map/GraylineRenderer.h"

#include "map/GraylineImage.h"

namespace map {

GraylineRenderer::GraylineRenderer(QImage map, const std::atomic<quint64> &latest)
    : m_map(std::move(map)), m_latest(latest)
{}

void GraylineRenderer::render(quint64 generation, const QDateTime &moment)
{
    if (generation < m_latest.load())
        return;
    emit rendered(generation, moment, shadedMap(m_map, moment));
}

} // namespace map
