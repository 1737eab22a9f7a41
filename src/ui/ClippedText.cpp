#include "ClippedText.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QRectF>

#include <algorithm>

namespace {

// Rounding of text metrics: a text this much wider than its item still shows whole.
constexpr qreal kSlackPx = 1.0;

// The part of the window in which the item can show: the window less what clipping parents cut.
QRectF visibleArea(const QQuickItem *item)
{
    QRectF area(QPointF(0, 0), item->window()->size());
    for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (up->clip())
            area &= up->mapRectToScene(QRectF(0, 0, up->width(), up->height()));
    }
    return area;
}

bool shownOnScreen(const QQuickItem *item)
{
    if (!item->isVisible() || item->width() <= 0 || item->height() <= 0 || !item->window())
        return false;
    for (const QQuickItem *up = item; up; up = up->parentItem()) {
        if (up->opacity() <= 0)
            return false;
    }
    return true;
}

void collect(QQuickItem *item, QStringList &found)
{
    if (!item->isVisible())
        return;
    // Labels and plain texts; text fields scroll their text and are left out.
    if (item->inherits("QQuickText") && shownOnScreen(item)) {
        const QString text = item->property("text").toString();
        // The whole text's width, not the width of what is left after eliding.
        const qreal needs = item->implicitWidth();
        // Wrapping texts and texts that shrink their font to fit only count when cut short.
        const bool fits =
            item->property("wrapMode").toInt() != 0 || item->property("fontSizeMode").toInt() != 0;
        const bool cut = item->property("truncated").toBool();
        // A text that fits its item may still run past the screen's edge or a clipping parent.
        const QRectF drawn = item->mapRectToScene(
            QRectF(0, 0, fits ? item->width() : std::max(needs, item->width()), item->height()));
        const QRectF area = visibleArea(item);
        const bool inView = drawn.intersects(area);
        const bool runsOut = drawn.left() < area.right() && drawn.right() > area.right() + kSlackPx;
        if (!text.trimmed().isEmpty() && inView &&
            (cut || runsOut || (!fits && needs > item->width() + kSlackPx)))
            found << QStringLiteral("“%1” (needs %2 px, has %3 px)")
                         .arg(text.simplified())
                         .arg(qRound(needs))
                         .arg(qRound(item->width()));
    }
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        collect(child, found);
}

} // namespace

QStringList clippedTexts(QQuickItem *root)
{
    QStringList found;
    if (root)
        collect(root, found);
    return found;
}
