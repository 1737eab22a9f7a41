#include "formats/TextCoding.h"

#include <QList>
#include <QStringDecoder>

namespace formats {
namespace {

/** Letters, marks and digits of any script stay as they are, and so do the four characters
 *  URLs never encode ("-", ".", "_", "~"): "O'Neill, Jr." is stored as "O%27Neill%2C%20Jr.". */
bool staysPlain(char32_t ucs4)
{
    return QChar::isLetterOrNumber(ucs4) || QChar::isMark(ucs4) || ucs4 == U'-' || ucs4 == U'.' ||
           ucs4 == U'_' || ucs4 == U'~';
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

std::optional<QString> strictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString percentEncode(const QString &text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(text.size() * 3);
    const QList<uint> codePoints = text.toUcs4();
    for (const uint cp : codePoints) {
        const char32_t ucs4 = cp;
        if (staysPlain(ucs4)) {
            encoded.append(QString::fromUcs4(&ucs4, 1));
            continue;
        }
        for (const char byte : QString::fromUcs4(&ucs4, 1).toUtf8()) {
            const auto b = static_cast<unsigned char>(byte);
            encoded.append(QLatin1Char('%'));
            encoded.append(QLatin1Char(kHex[b >> 4]));
            encoded.append(QLatin1Char(kHex[b & 0x0F]));
        }
    }
    return encoded;
}

QString percentDecode(const QString &text)
{
    if (!text.contains(QLatin1Char('%')))
        return text;
    QByteArray bytes;
    bytes.reserve(text.size());
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '%') {
            bytes.append(utf8[i]);
            continue;
        }
        if (i + 2 >= utf8.size())
            return {};
        const int high = hexValue(QLatin1Char(utf8[i + 1]));
        const int low = hexValue(QLatin1Char(utf8[i + 2]));
        if (high < 0 || low < 0)
            return {};
        bytes.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return strictUtf8(bytes).value_or(QString());
}

QString base64FromText(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

QString textFromBase64(const QString &base64)
{
    // Qt's lenient decoding skips characters outside the alphabet, as stored passwords expect.
    const QByteArray bytes = QByteArray::fromBase64(base64.toLatin1());
    return strictUtf8(bytes).value_or(QString());
}

} // namespace formats
