#include "refdata/IotaNote.h"

#include "refdata/CallsignRules.h"

namespace refdata {

QString getIotaFromNote(const QString &note)
{
    // Spotters put the reference near the start; later codes are usually something else.
    constexpr qsizetype kSearchWidth = 50;
    static const char *const continents[] = {"NA-", "SA-", "AS-", "EU-", "OC-", "AF-", "AN-"};
    const QString text = note.toUpper();
    for (const char *code : continents) {
        const qsizetype pos = text.indexOf(QLatin1String(code));
        if (pos < 0 || pos >= kSearchWidth || pos + 3 >= text.size())
            continue;
        // "USA-" is a country, not South America.
        if (code[0] == 'S' && pos >= 1 && QStringView(text).mid(pos - 1, 3) == u"USA")
            continue;
        const qint64 number = leadingInteger(QStringView(text).mid(pos + 3));
        if (number > 0)
            return QLatin1String(code) + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
    }
    return {};
}

} // namespace refdata
