#include "stats/ChartPalette.h"

namespace stats {
namespace {

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                            float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

} // namespace

ChartPalette ChartPalette::fromTheme(const QColor &background, const QColor &foreground,
                                     const QColor &accent)
{
    // Text colours of the themes carry alpha (Material's 87 % black); the chart paints opaque.
    const QColor text = mixed(background, QColor(foreground.rgb()), foreground.alphaF());
    return {background.toRgb(), text, mixed(background, text, 0.14), mixed(background, text, 0.5),
            accent.toRgb()};
}

ChartPalette ChartPalette::light()
{
    return fromTheme(QColor(0xfa, 0xfa, 0xfa), QColor(0, 0, 0, 0xdd), QColor(0x00, 0x96, 0x88));
}

ChartPalette ChartPalette::dark()
{
    return fromTheme(QColor(0x30, 0x30, 0x30), QColor(0xff, 0xff, 0xff), QColor(0x80, 0xcb, 0xc4));
}

} // namespace stats
