#include "adif/AdifText.h"

#include <QStringDecoder>

namespace adif {
namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\t');
}

/** A value ends cleanly when only blanks lie between it and the next field or the end. */
bool endsCleanly(const QString &record, qsizetype end)
{
    while (end < record.size() && isSpace(record.at(end)))
        ++end;
    return end >= record.size() || record.at(end) == QLatin1Char('<');
}

/** Where a value of the declared length ends: counting characters (code points), counting UTF-8
 *  bytes, and counting each bare line feed as the CR LF it was written as (files whose line ends
 *  were converted after writing); -1 when the record ends first. */
struct ValueEnds {
    qsizetype byCharacters = -1;
    qsizetype byBytes = -1;
    qsizetype byCrLf = -1;
};

ValueEnds valueEnds(const QString &record, qsizetype start, qint64 length)
{
    ValueEnds ends;
    qint64 characters = 0;
    qint64 bytes = 0;
    qint64 crlfCharacters = 0;
    qsizetype at = start;
    if (length == 0)
        return {start, start, start};
    while (at < record.size()) {
        const QChar c = record.at(at);
        const bool pair = c.isHighSurrogate() && at + 1 < record.size();
        const ushort u = c.unicode();
        const bool bareLineFeed =
            c == QLatin1Char('\n') && (at == start || record.at(at - 1) != QLatin1Char('\r'));
        at += pair ? 2 : 1;
        ++characters;
        bytes += pair ? 4 : (u < 0x80 ? 1 : (u < 0x800 ? 2 : 3));
        crlfCharacters += bareLineFeed ? 2 : 1;
        if (characters == length)
            ends.byCharacters = at;
        if (bytes == length && ends.byBytes < 0)
            ends.byBytes = at;
        if (crlfCharacters == length && ends.byCrLf < 0)
            ends.byCrLf = at;
        if (characters >= length && bytes >= length)
            break;
    }
    return ends;
}

/** The value's end by the rules above; -1 when no reading fits. */
qsizetype chooseEnd(const QString &record, const ValueEnds &ends)
{
    const bool charactersClean = ends.byCharacters >= 0 && endsCleanly(record, ends.byCharacters);
    if (!charactersClean && ends.byCrLf >= 0 && ends.byCrLf != ends.byCharacters &&
        endsCleanly(record, ends.byCrLf))
        return ends.byCrLf;
    if (ends.byCharacters == ends.byBytes)
        return ends.byCharacters;
    const bool bytesClean = ends.byBytes >= 0 && endsCleanly(record, ends.byBytes);
    if (charactersClean && bytesClean) {
        // Both end before blanks: the shorter (byte) reading is the one that does not swallow
        // the blank after the value.
        return isSpace(record.at(ends.byCharacters - 1)) ? ends.byBytes : ends.byCharacters;
    }
    if (bytesClean)
        return ends.byBytes;
    return ends.byCharacters;
}

/** Reads "<name:length[:type]>" at position at (which holds '<'); false when it is not one. */
bool readOpening(const QString &record, qsizetype at, QString &name, qint64 &length,
                 qsizetype &valueStart)
{
    const qsizetype colon = record.indexOf(QLatin1Char(':'), at + 1);
    const qsizetype close = record.indexOf(QLatin1Char('>'), at + 1);
    if (colon < 0 || close < 0 || close < colon)
        return false;
    qsizetype digitsEnd = colon + 1;
    while (digitsEnd < close && record.at(digitsEnd).isDigit())
        ++digitsEnd;
    if (digitsEnd == colon + 1)
        return false;
    bool ok = false;
    length = QStringView(record).mid(colon + 1, digitsEnd - colon - 1).toLongLong(&ok);
    if (!ok)
        return false;
    name = record.mid(at + 1, colon - at - 1).trimmed().toLower();
    valueStart = close + 1;
    return !name.isEmpty();
}

} // namespace

QString decodeAdif(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

PreparedAdif importAdif(const QString &text)
{
    static const QString recordEnd = QStringLiteral("<EOR>");
    QString body = text;
    body.replace(QLatin1String("<eor>"), recordEnd, Qt::CaseInsensitive);
    const qsizetype headerEnd = body.indexOf(QLatin1String("<EOH>"), 0, Qt::CaseInsensitive);
    if (headerEnd >= 0)
        body.remove(0, headerEnd + 5);

    PreparedAdif prepared;
    prepared.pieces = body.split(recordEnd);
    prepared.status =
        prepared.pieces.size() < 2
            ? QStringLiteral("No QSOs found")
            : QStringLiteral("Probably number of found QSOs: %1").arg(prepared.pieces.size() - 1);
    return prepared;
}

QList<AdifFieldValue> parseFields(const QString &record)
{
    QList<AdifFieldValue> fields;
    qsizetype at = record.indexOf(QLatin1Char('<'));
    while (at >= 0) {
        QString name;
        qint64 length = 0;
        qsizetype valueStart = 0;
        if (!readOpening(record, at, name, length, valueStart)) {
            at = record.indexOf(QLatin1Char('<'), at + 1);
            continue;
        }
        const qsizetype end = chooseEnd(record, valueEnds(record, valueStart, length));
        if (end < 0) {
            // The declared length runs past the end: the field has no value.
            fields.append({name, QString()});
            break;
        }
        fields.append({name, record.mid(valueStart, end - valueStart)});
        at = record.indexOf(QLatin1Char('<'), end);
    }
    return fields;
}

QString fieldValue(const QList<AdifFieldValue> &fields, QStringView name)
{
    for (const AdifFieldValue &field : fields)
        if (name.compare(field.name, Qt::CaseInsensitive) == 0)
            return field.value;
    return {};
}

QString getTag(const QString &opening, const QString &record)
{
    QStringView name(opening);
    if (name.startsWith(QLatin1Char('<')))
        name = name.mid(1);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return fieldValue(parseFields(record), name);
}

} // namespace adif
