#pragma once

#include <QString>
#include <QStringList>

/** The user's ten colour marks of a QSO: the row tints of the log lists and the names the colour
 *  chooser offers. Colours are "#AARRGGBB" texts, as the screens take them. */
namespace qsocolors {

inline constexpr int kCount = 10;
/** No tint at all. */
inline constexpr char kClear[] = "#00000000";

/** "Clear", "Brown", … "Red", in code order 0–9. */
[[nodiscard]] QStringList colorNames();

/** The row tint of a colour code: the named colour at 20 % opacity; clear for code 0 and for
 *  codes outside 0–9. */
[[nodiscard]] QString tint(qint64 colorCode);

/** The text colour of a QSO whose operation does not count for DXCC. */
[[nodiscard]] QString invalidOperationText();

} // namespace qsocolors
