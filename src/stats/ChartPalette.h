#pragma once

#include <QColor>

namespace stats {

/** The colours of a chart, made from the three colours of the application's theme. */
struct ChartPalette {
    QColor background;
    QColor text;
    QColor grid;
    QColor axis;
    QColor bar;

    /** Grid and axis lines are the text colour faded into the background. */
    [[nodiscard]] static ChartPalette fromTheme(const QColor &background, const QColor &foreground,
                                                const QColor &accent);
    /** The application's light and dark themes (Material, teal accent). */
    [[nodiscard]] static ChartPalette light();
    [[nodiscard]] static ChartPalette dark();
};

} // namespace stats
