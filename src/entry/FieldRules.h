#pragma once

#include <QString>

#include <optional>

namespace refdata {
class BandTable;
}

/** What a key or a typed text does in the fields of the entry form and the QSO editor. Pure
 *  functions: text in, text out; screens call them on every edit and show what they return.
 *
 *  Typical use in a view-model:
 *      m_callsign = entry::typedText(entry::TextField::Callsign, text);   // "dl1 abc" → "DL1ABC"
 *      if (const QString mode = entry::expandModeKey(key); !mode.isEmpty()) {
 *          m_mode = mode;                                                // "c" → "CW"
 *          m_rsttx = m_rstrx = entry::defaultRst(mode);                  // "599"
 *      }
 *      if (const QString l = entry::qslLetter(entry::QslField::Lotw, key); !l.isEmpty()) ...
 */
namespace entry {

/** Fields with a typing rule beyond upper case. */
enum class TextField {
    Callsign,
    Frequency,
    Rst, // both RST fields
    Locator,
    Plain, // any other text field: upper case only
};

/** The text a field shows after an edit: upper case, and without spaces in the callsign,
 *  frequency, RST and locator fields (a space typed there is refused). */
[[nodiscard]] QString typedText(TextField field, const QString &text);

/** The mode a single key stands for: "C" "CW", "S" "SSB", "R" "RTTY", "P" "PSK31", "F" "FM",
 *  case-insensitive; empty for any other key (it is refused). */
[[nodiscard]] QString expandModeKey(const QString &key);

/** The RST a mode starts with: "59" for SSB, FM and AM, "599" for everything else. */
[[nodiscard]] QString defaultRst(const QString &mode);

/** Whether the entity's QSOs take a state and a county: Alaska, Hawaii and the United States. */
[[nodiscard]] bool hasCounties(int adif);

/** The three confirmation letter fields. */
enum class QslField { Qsl, Lotw, Eqsl };

/** The letters a field takes: QSL "NBWSRX-QG", LoTW "WSX-", eQSL "WSX-RN". */
[[nodiscard]] QString acceptedLetters(QslField field);

/** The letter a key puts into the field (upper-cased), empty when the key is refused. An accepted
 *  letter replaces the field's text and moves the focus on to the next letter field. */
[[nodiscard]] QString qslLetter(QslField field, const QString &key);

/** A number as a quick reading of the text gives it: the leading decimal number ("14025.5",
 *  "14,025" reads 14, "DL1ABC" reads 0). */
[[nodiscard]] double leadingNumber(const QString &text);

/** The callsign field doubles as a tuning command: a text reading as a number above 1800 is a
 *  frequency in kHz to tune to, not a callsign ("1800" itself is a callsign). */
[[nodiscard]] std::optional<double> tuningCommand(const QString &callsignText);

/** A typed frequency read as kHz and its band: the quick reading first, the grouping pattern
 *  "#,##0.0" when the quick reading gives no band ("14,025" → 14025.0, "20m"). */
struct FrequencyReading {
    double kHz = 0.0;
    QString band = QStringLiteral("??");
    [[nodiscard]] bool hasBand() const { return band != QLatin1String("??"); }
};
[[nodiscard]] FrequencyReading readFrequency(const refdata::BandTable &bands, const QString &text);

/** The frequency text as stored and shown after leaving the field: "#,##0.0" ("14,025.0"); the
 *  text unchanged when it holds no number. */
[[nodiscard]] QString reformatFrequency(const QString &text);

/** The number behind a frequency text, read with the grouping pattern; 0 when there is none. */
[[nodiscard]] double frequencyValue(const QString &text);

/** A frequency is good enough to log when either reading gives 100 kHz or more. */
[[nodiscard]] bool frequencyIsUsable(const QString &text);

} // namespace entry
