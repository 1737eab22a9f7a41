#pragma once

#include <QString>
#include <QStringList>

/** The power choices of a new QSO: six presets by index, any other index means the free text. */
namespace entry::power {

/** "High Power", "Mid Power", "QRP", "2xQRP", "QRPP", "Unknown". */
[[nodiscard]] const QStringList &presets();

/** The presets as the screens show them, in the user's language; the QSO stores presets(). */
[[nodiscard]] QStringList presetTitles();

/** The index that stands for "type the power yourself". */
inline constexpr int kFreeTextIndex = 6;

/** The power text stored with the QSO: the preset of the index, or the free text for any other
 *  index. */
[[nodiscard]] QString powerText(int index, const QString &freeText);

/** The index of a power text: its preset, or kFreeTextIndex. */
[[nodiscard]] int indexOf(const QString &text);

} // namespace entry::power
