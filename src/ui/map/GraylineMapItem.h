#pragma once

#include "map/GraylineScreen.h"

#include <QPointer>
#include <QQuickPaintedItem>

/** Draws a grayline screen's shaded map, paths and markers scaled to the item's size. */
class GraylineMapItem : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(map::GraylineScreen *screen READ screen WRITE setScreen NOTIFY screenChanged)
public:
    explicit GraylineMapItem(QQuickItem *parent = nullptr);

    [[nodiscard]] map::GraylineScreen *screen() const { return m_screen; }
    void setScreen(map::GraylineScreen *screen);
    void paint(QPainter *painter) override;

signals:
    void screenChanged();

private:
    QPointer<map::GraylineScreen> m_screen;
};
