#pragma once

#include <QString>
#include <QStringList>

class QQuickItem;

/**
 * The texts on screen that do not fit their item: elided ("Einstell…"), cut at a line limit, or
 * wider than their item without wrapping. Each as "“text” (needs W px, has V px)".
 */
QStringList clippedTexts(QQuickItem *root);
