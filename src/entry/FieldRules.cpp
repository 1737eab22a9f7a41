#include "entry/FieldRules.h"

#include "formats/Formats.h"
#include "refdata/Bands.h"

#include <QLocale>
#include <QRegularExpression>

namespace entry {
namespace {

constexpr double kTuningThresholdKHz = 1800.0;
constexpr double kLowestUsableKHz = 100.0;

bool refusesSpaces(TextField field)
{
    return field != TextField::Plain;
}

} // namespace

QString typedText(TextField field, const QString &text)
{
    QString shown = text.toUpper();
    if (refusesSpaces(field))
        shown.remove(QLatin1Char(' '));
    return shown;
}

QString expandModeKey(const QString &key)
{
    const QString k = key.trimmed().toUpper();
    if (k == QLatin1String("C"))
        return QStringLiteral("CW");
    if (k == QLatin1String("S"))
        return QStringLiteral("SSB");
    if (k == QLatin1String("R"))
        return QStringLiteral("RTTY");
    if (k == QLatin1String("P"))
        return QStringLiteral("PSK31");
    if (k == QLatin1String("F"))
        return QStringLiteral("FM");
    return {};
}

bool hasCounties(int adif)
{
    return adif == 6 || adif == 110 || adif == 291;
}

QString defaultRst(const QString &mode)
{
    if (mode == QLatin1String("SSB") || mode == QLatin1String("FM") || mode == QLatin1String("AM"))
        return QStringLiteral("59");
    return QStringLiteral("599");
}

QString acceptedLetters(QslField field)
{
    switch (field) {
    case QslField::Qsl:
        return QStringLiteral("NBWSRX-QG");
    case QslField::Lotw:
        return QStringLiteral("WSX-");
    case QslField::Eqsl:
        return QStringLiteral("WSX-RN");
    }
    return {};
}

QString qslLetter(QslField field, const QString &key)
{
    if (key.size() != 1)
        return {};
    const QString letter = key.toUpper();
    return acceptedLetters(field).contains(letter) ? letter : QString();
}

double leadingNumber(const QString &text)
{
    // Reads like a quick "doubleValue": leading blanks, a sign, digits with one point, an
    // exponent; whatever follows is ignored.
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(match.captured(1), &ok);
    return ok ? value : 0.0;
}

std::optional<double> tuningCommand(const QString &callsignText)
{
    const double kHz = leadingNumber(callsignText);
    if (kHz > kTuningThresholdKHz)
        return kHz;
    return std::nullopt;
}

FrequencyReading readFrequency(const refdata::BandTable &bands, const QString &text)
{
    FrequencyReading reading;
    reading.kHz = leadingNumber(text);
    reading.band = refdata::qrg2mBand(bands, reading.kHz);
    if (reading.hasBand())
        return reading;
    if (const std::optional<double> grouped = formats::parseGroupedKHz(text)) {
        reading.kHz = *grouped;
        reading.band = refdata::qrg2mBand(bands, reading.kHz);
    }
    return reading;
}

double frequencyValue(const QString &text)
{
    return formats::parseGroupedKHz(text).value_or(0.0);
}

QString reformatFrequency(const QString &text)
{
    const std::optional<double> kHz = formats::parseGroupedKHz(text);
    return kHz ? formats::groupedKHz(*kHz) : text;
}

bool frequencyIsUsable(const QString &text)
{
    return leadingNumber(text) >= kLowestUsableKHz || frequencyValue(text) >= kLowestUsableKHz;
}

} // namespace entry
