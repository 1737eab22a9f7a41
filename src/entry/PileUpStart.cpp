#include "entry/PileUpStart.h"

#include "entry/EntryTexts.h"
#include "entry/FieldRules.h"
#include "entry/PowerPresets.h"

namespace pileup {
namespace {

// Below this a number is no frequency in kHz.
constexpr double kLowestKHz = 100.0;

} // namespace

std::variant<QsoClass, QString> makeDefaultQso(const FormValues &form)
{
    const auto text = [&](const char *key) {
        return form.fields.value(QString::fromLatin1(key)).toString().trimmed();
    };
    const QString frequency = text("qrgString");
    // The quick reading first; "14,025.5" reads 14 there and needs the grouping pattern.
    double kHz = entry::leadingNumber(frequency);
    if (kHz < kLowestKHz)
        kHz = entry::frequencyValue(frequency);
    if (kHz < kLowestKHz)
        return entry::texts::shown(entry::texts::kFrequencyInvalid);
    if (text("mode").isEmpty())
        return entry::texts::shown(entry::texts::kNoMode);

    QsoClass qso;
    qso.qrg = kHz;
    qso.band = text("band");
    qso.mode = text("mode");
    qso.note = form.fields.value(QStringLiteral("note")).toString();
    qso.qsl = text("qsl");
    qso.eqsl = text("eqsl");
    qso.lotwqsl = text("lotwqsl");
    qso.rstrx = text("rstrx");
    qso.rsttx = text("rsttx");
    qso.user_1 = text("user_1");
    qso.user_2 = text("user_2");
    qso.user_3 = text("user_3");
    qso.user_4 = text("user_4");
    qso.power = entry::power::powerText(form.powerIndex, form.powerText);
    qso.colorCode = form.colorCode;
    return qso;
}

} // namespace pileup
