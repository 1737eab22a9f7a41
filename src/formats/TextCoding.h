#pragma once

#include <QByteArray>
#include <QString>

/** Percent-encoding of the logbook's free-text columns and Base64 of stored passwords. */
namespace formats {

/** Every character that is not a Unicode letter, mark or digit, nor one of "-._~", becomes
 *  "%XX" per UTF-8 byte (upper-case hex): "O'Neill, Jr." → "O%27Neill%2C%20Jr.", "Jörg" stays
 *  "Jörg". */
[[nodiscard]] QString percentEncode(const QString &text);
/** Removes percent-encoding; a value with a broken escape or invalid UTF-8 reads as empty. */
[[nodiscard]] QString percentDecode(const QString &text);

/** Standard Base64 (RFC 4648) of the text's UTF-8 bytes, without line breaks. */
[[nodiscard]] QString base64FromText(const QString &text);
/** Decodes Base64, skipping characters outside the alphabet; empty when the bytes are not
 *  UTF-8 text. */
[[nodiscard]] QString textFromBase64(const QString &base64);

} // namespace formats
