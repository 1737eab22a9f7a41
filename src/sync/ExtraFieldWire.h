#pragma once

#include <QString>

#include <optional>

/** How a kept ADIF field of a QSO (a row of `qso_fields`: MY_GRIDSQUARE, SIG_INFO, other
 *  programs' APP_ fields, …) travels between a device and the server. Each such field is a field
 *  of the QSO of its own, so two devices that change different ones both keep their change and
 *  the same one follows the later change, as a column does:
 *  - key: "adif:" and the field's name in lower case ("adif:my_gridsquare");
 *  - value: the type indicator, ":" and the value ("S:text", ":JO31" when no type was given);
 *  - a removed field travels as null.
 *  The server keeps any key and value, so its bytes are checked here before they are stored. */
namespace logsync::extrawire {

/** What a pulled "adif:" value stands for. */
struct Value {
    QString type;  // "" or one ASCII letter
    QString value; // never empty
};

/** Whether a key of a QSO's fields belongs to a kept ADIF field (well formed or not). */
[[nodiscard]] bool isExtraKey(const QString &key);
/** The key of a field of that name (any case); empty for a name that is not ADIF-shaped. */
[[nodiscard]] QString keyOf(const QString &name);
/** The field's name of a key that is "adif:" and a lower-case ADIF-shaped name; nothing
 *  otherwise. */
[[nodiscard]] std::optional<QString> nameOf(const QString &key);

/** The wire text of a stored field; a type indicator that is not one ASCII letter goes out
 *  empty (it could not be read back). */
[[nodiscard]] QString encode(const QString &type, const QString &value);
/** A pulled value: nothing when it is not "T:value" with an empty or one-letter type and a value
 *  that is not empty. Null (a removal) is not decoded here. */
[[nodiscard]] std::optional<Value> decode(const QString &wire);

} // namespace logsync::extrawire
