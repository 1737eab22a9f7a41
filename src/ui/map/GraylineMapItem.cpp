#include "map/GraylineMapItem.h"

#include "map/MapOverlay.h"

GraylineMapItem::GraylineMapItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void GraylineMapItem::setScreen(map::GraylineScreen *screen)
{
    if (screen == m_screen)
        return;
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (m_screen) {
        connect(m_screen, &map::GraylineScreen::imageChanged, this, [this] { update(); });
        connect(m_screen, &map::GraylineScreen::overlayChanged, this, [this] { update(); });
    }
    update();
    emit screenChanged();
}

void GraylineMapItem::paint(QPainter *painter)
{
    if (m_screen)
        map::paintMap(*painter, QRectF(0, 0, width(), height()), m_screen->image(),
                      m_screen->overlay());
}
