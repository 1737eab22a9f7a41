#include "stats/ChartRenderer.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace stats {
namespace {

constexpr int kAxisSteps = 5;

/** A round step (1, 2 or 5 times a power of ten) that covers the largest value in about
 *  kAxisSteps steps. */
qint64 niceStep(qint64 largest)
{
    if (largest <= kAxisSteps)
        return 1;
    const double raw = double(largest) / kAxisSteps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw)
            return qint64(factor * power);
    return qint64(10.0 * power);
}

QFont chartFont(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

QString countText(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

} // namespace

ChartLayout chartLayout(const QRectF &area, const ChartData &chart)
{
    ChartLayout layout;
    layout.fontPixels = std::clamp(std::min(area.width() / 45.0, area.height() / 22.0), 11.0, 22.0);
    const QFontMetricsF metrics(chartFont(layout.fontPixels));
    const QFontMetricsF titleMetrics(chartFont(layout.fontPixels * 1.25, true));

    qint64 largest = 0;
    for (const Bar &bar : chart.bars)
        largest = std::max(largest, bar.count);
    layout.axisStep = niceStep(largest);
    layout.axisTop =
        std::max<qint64>(1, (largest + layout.axisStep - 1) / layout.axisStep) * layout.axisStep;

    const double margin = layout.fontPixels;
    const double axisLabelWidth = metrics.horizontalAdvance(countText(layout.axisTop));
    const double top = area.top() + margin + titleMetrics.height() + metrics.height();
    const double left = area.left() + margin + axisLabelWidth + margin * 0.5;
    const double bottom = area.bottom() - margin - metrics.height() * 1.4;
    const double right = area.right() - margin;
    layout.plot =
        QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));

    const qsizetype count = chart.bars.size();
    if (count == 0)
        return layout;
    const double slot = layout.plot.width() / double(count);
    double widest = 0;
    for (const Bar &bar : chart.bars)
        widest = std::max(widest, metrics.horizontalAdvance(bar.label));
    layout.labelEvery = std::max(1, int(std::ceil((widest + layout.fontPixels * 0.6) / slot)));
    for (qsizetype i = 0; i < count; ++i) {
        const qint64 value = chart.bars.at(i).count;
        const double height = layout.plot.height() * double(value) / double(layout.axisTop);
        // Whole pixels keep the edges sharp; a gap between bars while there is room for one, and
        // no bar wider than a few labels, however few there are.
        const double gap = slot >= 4 ? std::max(1.0, slot * 0.2) : 0.0;
        const double barWidth = std::min(slot - gap, layout.fontPixels * 6);
        const double centre = layout.plot.left() + slot * (double(i) + 0.5);
        const double x0 = std::round(centre - barWidth / 2);
        const double x1 = std::round(centre + barWidth / 2);
        const double y0 = std::round(layout.plot.bottom() - height);
        layout.bars << QRectF(QPointF(x0, y0),
                              QPointF(std::max(x0 + 1, x1), std::round(layout.plot.bottom())));
    }
    return layout;
}

void paintChart(QPainter &painter, const QRectF &area, const ChartData &chart,
                const ChartPalette &palette)
{
    const ChartLayout layout = chartLayout(area, chart);
    painter.save();
    painter.fillRect(area, palette.background);
    const QFont font = chartFont(layout.fontPixels);
    const QFontMetricsF metrics(font);
    const double margin = layout.fontPixels;

    painter.setFont(chartFont(layout.fontPixels * 1.25, true));
    painter.setPen(palette.text);
    painter.drawText(QRectF(area.left() + margin, area.top() + margin * 0.6,
                            area.width() - 2 * margin, layout.fontPixels * 2),
                     Qt::AlignLeft | Qt::AlignTop, chart.title);

    // Value axis: grid lines at each step, their values on the left.
    painter.setFont(font);
    const QRectF &plot = layout.plot;
    for (qint64 value = 0; value <= layout.axisTop; value += layout.axisStep) {
        const double y =
            std::round(plot.bottom() - plot.height() * double(value) / double(layout.axisTop)) +
            0.5;
        painter.setPen(QPen(value == 0 ? palette.axis : palette.grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette.text);
        painter.drawText(QRectF(area.left(), y - metrics.height() / 2, plot.left() - margin * 0.5,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, countText(value));
    }
    painter.setPen(QPen(palette.axis, 1));
    painter.drawLine(QPointF(std::round(plot.left()) - 0.5, plot.top()),
                     QPointF(std::round(plot.left()) - 0.5, plot.bottom()));

    if (chart.bars.isEmpty()) {
        painter.setPen(palette.text);
        painter.drawText(plot, Qt::AlignCenter, QCoreApplication::translate("stats", "No QSOs"));
    }
    for (qsizetype i = 0; i < layout.bars.size(); ++i) {
        const QRectF &rect = layout.bars.at(i);
        const Bar &bar = chart.bars.at(i);
        if (bar.count > 0)
            painter.fillRect(rect, palette.bar);
        const double slot = plot.width() / double(layout.bars.size());
        const double centre = plot.left() + slot * (double(i) + 0.5);
        painter.setPen(palette.text);
        if (i % layout.labelEvery == 0) {
            // Centred under the bar, but kept inside the picture at both ends.
            const double width =
                std::max(slot * layout.labelEvery, metrics.horizontalAdvance(bar.label) + 2);
            const double left = std::clamp(centre - width / 2, area.left(), area.right() - width);
            painter.drawText(QRectF(left, plot.bottom() + margin * 0.3, width, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, bar.label);
        }
        const QString value = countText(bar.count);
        if (bar.count > 0 && metrics.horizontalAdvance(value) <= slot)
            painter.drawText(
                QRectF(centre - slot / 2, rect.top() - metrics.height(), slot, metrics.height()),
                Qt::AlignHCenter | Qt::AlignBottom, value);
    }
    painter.restore();
}

QImage renderChart(const ChartData &chart, QSize size, const ChartPalette &palette,
                   double devicePixelRatio)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size) / devicePixelRatio), chart, palette);
    painter.end();
    return image;
}

} // namespace stats
