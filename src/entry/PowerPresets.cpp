#include "entry/PowerPresets.h"

namespace entry::power {

const QStringList &presets()
{
    static const QStringList names = {QStringLiteral("High Power"), QStringLiteral("Mid Power"),
                                      QStringLiteral("QRP"),        QStringLiteral("2xQRP"),
                                      QStringLiteral("QRPP"),       QStringLiteral("Unknown")};
    return names;
}

QString powerText(int index, const QString &freeText)
{
    if (index >= 0 && index < presets().size())
        return presets().at(index);
    return freeText;
}

int indexOf(const QString &text)
{
    const qsizetype index = presets().indexOf(text);
    return index >= 0 ? int(index) : kFreeTextIndex;
}

} // namespace entry::power
