#include "model/AdifField.h"

namespace adif {

QString &appendAdifPart(const QString &value, QString &text)
{
    // Characters, not bytes: "Jörg" has length 4 (code points, so an emoji counts once).
    qsizetype characters = value.size();
    for (const QChar c : value)
        characters -= c.isLowSurrogate() ? 1 : 0;
    text += QString::number(characters);
    text += QLatin1Char('>');
    text += value;
    text += QLatin1Char(' ');
    return text;
}

void appendField(QString &text, QLatin1String name, const QString &value)
{
    text += QLatin1Char('<');
    text += name;
    text += QLatin1Char(':');
    appendAdifPart(value, text);
}

void appendField(QString &text, const QString &name, const QString &value)
{
    text += QLatin1Char('<');
    text += name;
    text += QLatin1Char(':');
    appendAdifPart(value, text);
}

} // namespace adif
