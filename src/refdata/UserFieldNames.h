#pragma once

#include <QString>
#include <QStringList>

/** Which ADIF field carries each of the four user fields. */
namespace adif {

inline constexpr int kUserFieldCount = 4;

/** The ADIF name for a mapping index 0–15 of user field 1–4; index 0, the picker's separator
 *  (8) and anything unknown keep the field's own name "app_tarvex_userfield_N". */
[[nodiscard]] QString userFieldAdifName(int index, int fieldNumber);

/** The names the picker offers, by index. */
[[nodiscard]] const QStringList &userFieldPickerNames();

} // namespace adif
