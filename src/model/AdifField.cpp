#include "model/AdifField.h"

namespace adif {

namespace {

/** Characters, not bytes: "Jörg" has length 4 (code points, so an emoji counts once). */
qsizetype characterCount(QStringView value)
{
    qsizetype characters = value.size();
    for (const QChar c : value)
        characters -= c.isLowSurrogate() ? 1 : 0;
    return characters;
}

/** A count in decimal, without a string of its own. */
void appendCount(QString &text, qsizetype count)
{
    char digits[24];
    int at = int(sizeof digits);
    do {
        digits[--at] = char('0' + count % 10);
        count /= 10;
    } while (count > 0 && at > 0);
    text += QLatin1String(digits + at, int(sizeof digits) - at);
}

} // namespace

QString &appendAdifPart(const QString &value, QString &text)
{
    appendCount(text, characterCount(value));
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

void appendField(QString &text, const QString &name, const QString &value, const QString &type)
{
    if (type.isEmpty()) {
        appendField(text, name, value);
        return;
    }
    text += QLatin1Char('<');
    text += name;
    text += QLatin1Char(':');
    appendCount(text, characterCount(value));
    text += QLatin1Char(':');
    text += type;
    text += QLatin1Char('>');
    text += value;
    text += QLatin1Char(' ');
}

QList<QStringView> writtenFieldNames(QStringView record)
{
    QList<QStringView> names;
    qsizetype at = record.indexOf(QLatin1Char('<'));
    while (at >= 0 && at < record.size()) {
        const qsizetype close = record.indexOf(QLatin1Char('>'), at);
        if (close < 0)
            break;
        const QStringView tag = record.sliced(at + 1, close - at - 1);
        const qsizetype colon = tag.indexOf(QLatin1Char(':'));
        if (colon < 0) // "<eor>"
            break;
        names << tag.first(colon);
        QStringView count = tag.sliced(colon + 1);
        if (const qsizetype type = count.indexOf(QLatin1Char(':')); type >= 0)
            count.truncate(type);
        qsizetype length = count.toLongLong();
        qsizetype end = close + 1;
        while (length > 0 && end < record.size()) {
            ++end;
            if (end < record.size() && record.at(end).isLowSurrogate())
                ++end;
            --length;
        }
        at = record.indexOf(QLatin1Char('<'), end);
    }
    return names;
}

} // namespace adif
