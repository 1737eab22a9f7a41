#pragma once

#include "map/GraylineScreen.h"
#include "stats/StatisticsScreen.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>

/** Paints the statistics screen's chart at the item's size, in the colours of the theme the
 *  QML hands in; or, when the screen shows the map, the grayline map's picture (the plain map
 *  while none was shaded yet) with the worked grid squares and QSO end points over it. */
class StatisticsChartItem : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(stats::StatisticsScreen *screen READ screen WRITE setScreen NOTIFY screenChanged)
    Q_PROPERTY(map::GraylineScreen *grayline MEMBER m_grayline NOTIFY screenChanged)
    Q_PROPERTY(QColor background MEMBER m_background NOTIFY coloursChanged)
    Q_PROPERTY(QColor foreground MEMBER m_foreground NOTIFY coloursChanged)
    Q_PROPERTY(QColor accent MEMBER m_accent NOTIFY coloursChanged)
public:
    explicit StatisticsChartItem(QQuickItem *parent = nullptr);

    [[nodiscard]] stats::StatisticsScreen *screen() const { return m_screen; }
    void setScreen(stats::StatisticsScreen *screen);
    void paint(QPainter *painter) override;

signals:
    void screenChanged();
    void coloursChanged();

private:
    void paintWorkedMap(QPainter &painter);

    QPointer<stats::StatisticsScreen> m_screen;
    QPointer<map::GraylineScreen> m_grayline;
    QImage m_plainMap;
    QColor m_background = Qt::white;
    QColor m_foreground = Qt::black;
    QColor m_accent = Qt::darkCyan;
};
