#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

/** The numbers of the radios' command sets: BCD frequencies on the wire, runs of ASCII digits in
 *  text replies, and the frequency as the screen shows it. */
namespace trx {

/** Five CI-V bytes of the frequency in Hz, least significant pair first: 14 074.0 kHz becomes
 *  00 40 07 14 00. Values outside 0 … 9 999 999.999 kHz are clamped. */
[[nodiscard]] QByteArray qrgTo5BCD(double kHz);
/** Four FT-817 bytes of the frequency in 10 Hz units, most significant pair first: 14 074.0 kHz
 *  becomes 01 40 74 00. Values outside 0 … 999 999.99 kHz are clamped. */
[[nodiscard]] QByteArray qrgTo4BCD(double kHz);
/** Five bytes (CI-V order) or four (FT-817 order) back to kHz; nothing for any other length or
 *  when a nibble is not a decimal digit. */
[[nodiscard]] std::optional<double> bcdToQRG(QByteArrayView bytes);

/** The value of exactly `count` ASCII digits at `at`; nothing when the text is too short or one
 *  of them is not a digit. */
[[nodiscard]] std::optional<qint64> digitsAt(QByteArrayView text, qsizetype at, int count);
/** The ASCII digit at `at` as a number; nothing when absent or not a digit. */
[[nodiscard]] std::optional<int> digitAt(QByteArrayView text, qsizetype at);

/** kHz with English grouping and a fixed number of decimals: "14,074.000". */
[[nodiscard]] QString groupedKHzText(double kHz, int decimals);

} // namespace trx
