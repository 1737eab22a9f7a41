#include "entry/PowerPresets.h"

#include <QCoreApplication>

namespace entry::power {

const QStringList &presets()
{
    static const QStringList names = {QStringLiteral("High Power"), QStringLiteral("Mid Power"),
                                      QStringLiteral("QRP"),        QStringLiteral("2xQRP"),
                                      QStringLiteral("QRPP"),       QStringLiteral("Unknown")};
    return names;
}

QStringList presetTitles()
{
    // The same words as presets(), for the translation tools.
    static const char *const titles[] = {QT_TRANSLATE_NOOP("PowerPresets", "High Power"),
                                         QT_TRANSLATE_NOOP("PowerPresets", "Mid Power"),
                                         QT_TRANSLATE_NOOP("PowerPresets", "QRP"),
                                         QT_TRANSLATE_NOOP("PowerPresets", "2xQRP"),
                                         QT_TRANSLATE_NOOP("PowerPresets", "QRPP"),
                                         QT_TRANSLATE_NOOP("PowerPresets", "Unknown")};
    QStringList shown;
    for (const char *title : titles)
        shown << QCoreApplication::translate("PowerPresets", title);
    return shown;
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
