#pragma once

#include "stats/ChartPalette.h"
#include "stats/QsoStatistics.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace stats {

/** What one chart shows: a title and its bars in order. */
struct ChartData {
    QString title;
    QList<Bar> bars;
};

/** Where a chart's parts go in its area: the plot, each bar, the top of the value axis. */
struct ChartLayout {
    QRectF plot;
    QList<QRectF> bars;
    qint64 axisTop = 0;
    qint64 axisStep = 0;
    /** Every how many bars a label is written below (1: all). */
    int labelEvery = 1;
    double fontPixels = 12.0;
};

/** The layout of a chart in an area; text sizes follow the area so small and large pictures
 *  both read well. */
[[nodiscard]] ChartLayout chartLayout(const QRectF &area, const ChartData &chart);

/** Paints a bar chart with labelled axes into the area: the value axis with rounded steps and
 *  grid lines, a label under each bar (every n-th when they do not fit), the count over each
 *  bar where there is room. The screen and the command line's PNG both draw with this. */
void paintChart(QPainter &painter, const QRectF &area, const ChartData &chart,
                const ChartPalette &palette);

/** The chart as an image of that size (in device pixels for a ratio above 1). */
[[nodiscard]] QImage renderChart(const ChartData &chart, QSize size, const ChartPalette &palette,
                                 double devicePixelRatio = 1.0);

} // namespace stats
