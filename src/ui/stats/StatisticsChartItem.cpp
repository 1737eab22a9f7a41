#include "stats/StatisticsChartItem.h"

#include "map/GraylineImage.h"
#include "map/MapOverlay.h"
#include "map/WorkedLayer.h"

StatisticsChartItem::StatisticsChartItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    connect(this, &StatisticsChartItem::coloursChanged, this, [this] { update(); });
    connect(this, &StatisticsChartItem::screenChanged, this, [this] { update(); });
}

void StatisticsChartItem::setScreen(stats::StatisticsScreen *screen)
{
    if (screen == m_screen)
        return;
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (m_screen)
        connect(m_screen, &stats::StatisticsScreen::refreshed, this, [this] { update(); });
    emit screenChanged();
}

void StatisticsChartItem::paint(QPainter *painter)
{
    if (!m_screen)
        return;
    if (m_screen->showsMap()) {
        paintWorkedMap(*painter);
        return;
    }
    stats::paintChart(*painter, QRectF(0, 0, width(), height()), m_screen->chart(),
                      stats::ChartPalette::fromTheme(m_background, m_foreground, m_accent));
}

void StatisticsChartItem::paintWorkedMap(QPainter &painter)
{
    const bool shaded = m_grayline && !m_grayline->image().isNull();
    if (!shaded && m_plainMap.isNull())
        m_plainMap = map::worldMap();
    const QImage &picture = shaded ? m_grayline->image() : m_plainMap;
    if (picture.isNull())
        return;
    // The whole map, as large as fits, centred.
    const QSizeF fitted = QSizeF(picture.size()).scaled(size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                        fitted);
    map::paintMap(painter, target, picture, shaded ? m_grayline->overlay() : map::MapOverlay{});
    map::paintWorkedLayer(
        painter, target, picture.size(),
        map::workedLayer(map::projectionOf(picture), m_screen->grids(), m_screen->endPoints()));
}
