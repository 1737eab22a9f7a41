#include "trx/CatNumbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace trx {
namespace {

/** `value` as `digits` decimal digits, most significant first, clamped to fit. */
QByteArray decimalDigits(double value, int digits)
{
    const double largest = std::pow(10.0, digits) - 1;
    const double clamped = std::isfinite(value) ? std::clamp(std::round(value), 0.0, largest) : 0;
    auto whole = static_cast<qint64>(clamped);
    QByteArray text(digits, '0');
    for (int i = digits - 1; i >= 0; --i, whole /= 10)
        text[i] = char('0' + whole % 10);
    return text;
}

quint8 packedPair(char high, char low)
{
    return quint8(((high - '0') << 4) | (low - '0'));
}

/** The two digits of a packed byte; nothing when a nibble is above 9. */
std::optional<int> unpacked(quint8 byte)
{
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9 || low > 9)
        return std::nullopt;
    return high * 10 + low;
}

} // namespace

QByteArray qrgTo5BCD(double kHz)
{
    const QByteArray digits = decimalDigits(kHz * 1000, 10);
    QByteArray bytes;
    for (int pair = 4; pair >= 0; --pair)
        bytes += char(packedPair(digits[2 * pair], digits[2 * pair + 1]));
    return bytes;
}

QByteArray qrgTo4BCD(double kHz)
{
    const QByteArray digits = decimalDigits(kHz * 100, 8);
    QByteArray bytes;
    for (int pair = 0; pair < 4; ++pair)
        bytes += char(packedPair(digits[2 * pair], digits[2 * pair + 1]));
    return bytes;
}

std::optional<double> bcdToQRG(QByteArrayView bytes)
{
    if (bytes.size() != 4 && bytes.size() != 5)
        return std::nullopt;
    const bool civOrder = bytes.size() == 5;
    qint64 value = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const qsizetype at = civOrder ? bytes.size() - 1 - i : i;
        const std::optional<int> pair = unpacked(quint8(bytes[at]));
        if (!pair)
            return std::nullopt;
        value = value * 100 + *pair;
    }
    return civOrder ? double(value) / 1000 : double(value) / 100;
}

std::optional<qint64> digitsAt(QByteArrayView text, qsizetype at, int count)
{
    if (at < 0 || count <= 0 || text.size() < at + count)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> digitAt(QByteArrayView text, qsizetype at)
{
    const std::optional<qint64> value = digitsAt(text, at, 1);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

QString groupedKHzText(double kHz, int decimals)
{
    static const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    return english.toString(kHz, 'f', decimals);
}

} // namespace trx
