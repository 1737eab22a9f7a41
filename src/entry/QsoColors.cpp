#include "entry/QsoColors.h"

#include <QCoreApplication>

#include <array>

namespace qsocolors {
namespace {

// The platform's named colours for codes 1 to 9, as "RRGGBB".
constexpr std::array<const char *, kCount - 1> kNamed = {
    "996633", // brown
    "0000ff", // blue
    "800080", // purple
    "ff00ff", // magenta
    "00ffff", // cyan
    "00ff00", // green
    "ffff00", // yellow
    "ff8000", // orange
    "ff0000", // red
};

// 20 % of 255, the opacity of a row tint.
constexpr char kTintAlpha[] = "33";

} // namespace

QStringList colorNames()
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("QsoColors", "Clear"),   QT_TRANSLATE_NOOP("QsoColors", "Brown"),
        QT_TRANSLATE_NOOP("QsoColors", "Blue"),    QT_TRANSLATE_NOOP("QsoColors", "Purple"),
        QT_TRANSLATE_NOOP("QsoColors", "Magenta"), QT_TRANSLATE_NOOP("QsoColors", "Cyan"),
        QT_TRANSLATE_NOOP("QsoColors", "Green"),   QT_TRANSLATE_NOOP("QsoColors", "Yellow"),
        QT_TRANSLATE_NOOP("QsoColors", "Orange"),  QT_TRANSLATE_NOOP("QsoColors", "Red")};
    // Screens choose a colour by its place in the list, so the names may be translated.
    QStringList list;
    for (const char *name : names)
        list << QCoreApplication::translate("QsoColors", name);
    return list;
}

QString tint(qint64 colorCode)
{
    if (colorCode < 1 || colorCode >= kCount)
        return QString::fromLatin1(kClear);
    return QLatin1Char('#') + QLatin1String(kTintAlpha) +
           QLatin1String(kNamed[static_cast<std::size_t>(colorCode - 1)]);
}

QString invalidOperationText()
{
    // A lighter purple than the tint, readable on light and dark backgrounds alike.
    return QStringLiteral("#af52de");
}

} // namespace qsocolors
