#pragma once

#include "model/QsoClass.h"

#include <QString>
#include <QVariantMap>

#include <variant>

/** Starting a pile-up from the new-QSO form: the checks and the record that holds everything
 *  that stays the same from QSO to QSO. */
namespace pileup {

inline constexpr char kCantRun[] = QT_TRANSLATE_NOOP("EntryTexts", "Can't run a pile up:");

/** The form's texts by record field name ("qrgString", "band", "mode", "note", "qsl", "lotwqsl",
 *  "eqsl", "rstrx", "rsttx", "user_1" … "user_4"), the power choice and the colour code. */
struct FormValues {
    QVariantMap fields;
    int powerIndex = -1;
    QString powerText;
    qint64 colorCode = 0;
};

/** The default record, or the message that stops the start: "Frequency invalid" (checked
 *  first), "No Mode given". */
[[nodiscard]] std::variant<QsoClass, QString> makeDefaultQso(const FormValues &form);

} // namespace pileup
