#include "adif/AdifText.h"

#include "model/ExtraFields.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <cstring>

// Everything here works on the file's bytes and moves forward only, so that reading costs time in
// proportion to the file whatever it holds: a declared length is followed at most once per value,
// a tag is scanned only up to the next "<", and lengths longer than the bytes left are looked up
// in sampled counts instead of counted again.

namespace adif {
namespace {

using Bytes = QByteArrayView;

/** Declared lengths are capped here: no file is that long, and sums cannot overflow. */
constexpr qint64 kHugeLength = qint64(1) << 50;
/** Bytes between two marks of the sampled counts. */
constexpr qsizetype kMarkStep = 64;
/** Field names in problem texts are cut to this. */
constexpr qsizetype kShownName = 40;

bool isBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

Bytes trimmed(Bytes text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isNamed(Bytes name, const char *tag)
{
    return name.compare(Bytes(tag), Qt::CaseInsensitive) == 0;
}

/** The length of the UTF-8 sequence a byte leads; 1 for ASCII and bytes that lead none. */
int sequenceLength(uchar b)
{
    if (b >= 0xC0 && b <= 0xDF)
        return 2;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    if (b >= 0xF0 && b <= 0xF7)
        return 4;
    return 1;
}

/** Whether a character starts at this byte: anything but a UTF-8 continuation byte that belongs
 *  to a lead byte before it. A stray byte (Latin-1 text) is a character of its own. Decided from
 *  the three bytes before, so counts between two positions never depend on where counting
 *  began. */
bool startsCharacter(Bytes data, qsizetype at)
{
    if ((uchar(data[at]) & 0xC0) != 0x80)
        return true;
    for (qsizetype back = 1; back <= 3 && at - back >= 0; ++back) {
        const uchar before = uchar(data[at - back]);
        if ((before & 0xC0) != 0x80)
            return sequenceLength(before) <= back;
    }
    return true;
}

/** What a character starting here counts when line feeds were written as CR LF. */
int unitsAt(Bytes data, qsizetype at)
{
    return data[at] == '\n' && (at == 0 || data[at - 1] != '\r') ? 2 : 1;
}

/** A value ends cleanly when only blanks lie between it and the next "<" or the end. */
bool endsCleanly(Bytes data, qsizetype end)
{
    while (end < data.size() && isBlank(data[end]))
        ++end;
    return end >= data.size() || data[end] == '<';
}

/** Where a value of a declared length ends by each reading; -1 when the bytes end first. */
struct Readings {
    qsizetype characters = -1;
    qsizetype bytes = -1;
    qsizetype crlf = -1;
};

/** The readings of a length that fits in the bytes left; walks at most that many characters. */
Readings readings(Bytes data, qsizetype start, qint64 length)
{
    if (length == 0)
        return {start, start, start};
    Readings ends;
    ends.bytes = start + length;
    qint64 characters = 0;
    qint64 units = 0;
    qsizetype at = start;
    while (at < data.size()) {
        units += unitsAt(data, at);
        ++characters;
        ++at;
        while (at < data.size() && !startsCharacter(data, at))
            ++at;
        if (units == length && ends.crlf < 0)
            ends.crlf = at;
        if (characters == length) {
            ends.characters = at;
            break;
        }
    }
    return ends;
}

/** The value's end by the rules in AdifText.h. */
qsizetype chooseEnd(Bytes data, const Readings &ends)
{
    const bool charactersClean = ends.characters >= 0 && endsCleanly(data, ends.characters);
    if (!charactersClean && ends.crlf >= 0 && ends.crlf != ends.characters &&
        endsCleanly(data, ends.crlf))
        return ends.crlf;
    if (ends.characters == ends.bytes)
        return ends.characters;
    const bool bytesClean = ends.bytes >= 0 && endsCleanly(data, ends.bytes);
    if (charactersClean && bytesClean) {
        // Both end before blanks: the shorter (byte) reading is the one that does not swallow
        // the blank after the value.
        return isBlank(data[ends.characters - 1]) ? ends.bytes : ends.characters;
    }
    if (bytesClean)
        return ends.bytes;
    return ends.characters >= 0 ? ends.characters : ends.bytes;
}

/** CR LF units counted from the start of the bytes up to every kMarkStep-th byte, so that a
 *  length longer than the bytes left (which only the CR LF reading can meet) is settled without
 *  counting the rest of the file for every such field. */
class UnitMarks {
public:
    UnitMarks(Bytes data, QList<qint64> &marks) : m_data(data), m_marks(marks) {}

    /** Where counting length units from start ends; -1 when the bytes end first or the count
     *  steps over length (a CR LF counted as two). */
    qsizetype find(qsizetype start, qint64 length)
    {
        build();
        const qint64 target = before(start) + length;
        const auto from = m_marks.cbegin() + start / kMarkStep;
        const auto after = std::upper_bound(from, m_marks.cend(), target);
        qsizetype at = std::max(start, qsizetype(after - m_marks.cbegin() - 1) * kMarkStep);
        qint64 units = before(at);
        while (at < m_data.size() && units < target) {
            if (startsCharacter(m_data, at))
                units += unitsAt(m_data, at);
            ++at;
        }
        if (units != target)
            return -1;
        while (at < m_data.size() && !startsCharacter(m_data, at))
            ++at;
        return at;
    }

private:
    void build()
    {
        if (!m_marks.isEmpty())
            return;
        m_marks.reserve(m_data.size() / kMarkStep + 1);
        qint64 units = 0;
        for (qsizetype at = 0; at <= m_data.size(); ++at) {
            if (at % kMarkStep == 0)
                m_marks.append(units);
            if (at < m_data.size() && startsCharacter(m_data, at))
                units += unitsAt(m_data, at);
        }
    }

    qint64 before(qsizetype at) const
    {
        qint64 units = m_marks.at(at / kMarkStep);
        for (qsizetype i = at / kMarkStep * kMarkStep; i < at; ++i)
            units += startsCharacter(m_data, i) ? unitsAt(m_data, i) : 0;
        return units;
    }

    Bytes m_data;
    QList<qint64> &m_marks;
};

enum class Problem { None, PastEnd, BadLength, NoName, Unclosed };

/** What the scanner met next. */
struct Token {
    enum class Kind { End, Field, Tag, Broken };
    Kind kind = Kind::End;
    qsizetype begin = 0; // the "<"
    Bytes name;          // as written, without blanks around it
    Bytes type;          // the type indicator, without blanks around it; empty when none
    qsizetype valueBegin = 0;
    qsizetype valueEnd = 0; // a tag's or broken field's end for those
    Problem problem = Problem::None;
};

/** Whether text after a "<" that no ">" closes was meant as a field: a name, then ":". */
bool looksLikeOpening(Bytes inside)
{
    inside = trimmed(inside);
    qsizetype at = 0;
    while (at < inside.size() && isNameCharacter(inside[at]))
        ++at;
    const qsizetype nameEnd = at;
    while (at < inside.size() && isBlank(inside[at]))
        ++at;
    return nameEnd > 0 && at < inside.size() && inside[at] == ':';
}

/** A declared length; -1 when it is not a number. Capped at kHugeLength. */
qint64 readLength(Bytes lengthText)
{
    lengthText = trimmed(lengthText);
    if (lengthText.isEmpty())
        return -1;
    qint64 length = 0;
    for (const char c : lengthText) {
        if (c < '0' || c > '9')
            return -1;
        length = std::min(kHugeLength, length * 10 + (c - '0'));
    }
    return length;
}

/** Walks fields and tags of ADIF bytes from a position on. */
class Scanner {
public:
    Scanner(Bytes data, qsizetype from, QList<qint64> &marks)
        : m_data(data), m_at(from), m_marks(data, marks)
    {}

    Token next()
    {
        const qsizetype size = m_data.size();
        while (m_at < size) {
            const void *found = std::memchr(m_data.data() + m_at, '<', size_t(size - m_at));
            if (!found)
                break;
            const qsizetype open = static_cast<const char *>(found) - m_data.data();
            qsizetype close = open + 1;
            while (close < size && m_data[close] != '>' && m_data[close] != '<')
                ++close;
            if (close >= size || m_data[close] == '<') {
                // No ">" before the next "<": text, unless it was meant as a field.
                m_at = close;
                const Bytes inside = m_data.sliced(open + 1, close - open - 1);
                if (looksLikeOpening(inside))
                    return broken(open, close, trimmed(inside.first(inside.indexOf(':'))),
                                  Problem::Unclosed);
                continue;
            }
            m_at = close + 1;
            return readTag(open, close);
        }
        m_at = size;
        return {};
    }

private:
    Token broken(qsizetype begin, qsizetype end, Bytes name, Problem problem)
    {
        Token token;
        token.kind = Token::Kind::Broken;
        token.begin = begin;
        token.name = name;
        token.valueBegin = token.valueEnd = end;
        token.problem = problem;
        return token;
    }

    /** The tag from "<" at open to ">" at close. */
    Token readTag(qsizetype open, qsizetype close)
    {
        const Bytes inside = m_data.sliced(open + 1, close - open - 1);
        const qsizetype colon = inside.indexOf(':');
        if (colon < 0) {
            Token token;
            token.kind = Token::Kind::Tag;
            token.begin = open;
            token.name = trimmed(inside);
            token.valueBegin = token.valueEnd = close + 1;
            return token;
        }
        const Bytes name = trimmed(inside.first(colon));
        Bytes lengthText = inside.sliced(colon + 1);
        Bytes type;
        const qsizetype typeColon = lengthText.indexOf(':'); // a type indicator follows
        if (typeColon >= 0) {
            type = trimmed(lengthText.sliced(typeColon + 1));
            lengthText = lengthText.first(typeColon);
        }
        if (name.isEmpty())
            return broken(open, close + 1, name, Problem::NoName);
        const qint64 length = readLength(lengthText);
        if (length < 0)
            return broken(open, close + 1, name, Problem::BadLength);
        const qsizetype start = close + 1;
        const qsizetype end = valueEnd(start, length);
        if (end < 0)
            return broken(open, close + 1, name, Problem::PastEnd);
        m_at = end;
        Token token;
        token.kind = Token::Kind::Field;
        token.begin = open;
        token.name = name;
        token.type = type;
        token.valueBegin = start;
        token.valueEnd = end;
        return token;
    }

    qsizetype valueEnd(qsizetype start, qint64 length)
    {
        if (length <= m_data.size() - start)
            return chooseEnd(m_data, readings(m_data, start, length));
        // Longer than the bytes left: only line feeds counted as CR LF can make it fit.
        const qsizetype end = m_marks.find(start, length);
        return end >= 0 && endsCleanly(m_data, end) ? end : -1;
    }

    Bytes m_data;
    qsizetype m_at;
    UnitMarks m_marks;
};

/** Bytes as UTF-8 when they are valid UTF-8, otherwise as Latin-1. A byte order mark at their
 *  start is kept: fromUtf8() would drop it and so change a value or empty a field's name. */
QString decodePart(Bytes bytes)
{
    if (!bytes.isValidUtf8())
        return QString::fromLatin1(bytes);
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    if (!bytes.startsWith(kByteOrderMark))
        return QString::fromUtf8(bytes);
    return QChar(0xFEFF) + QString::fromUtf8(bytes.sliced(3));
}

QString shownName(Bytes name)
{
    return decodePart(name.first(std::min(name.size(), kShownName))).toUpper();
}

QString problemText(const Token &token)
{
    switch (token.problem) {
    case Problem::PastEnd:
        return QStringLiteral("Field %1 runs past the end of the file: ")
            .arg(shownName(token.name));
    case Problem::BadLength:
        return QStringLiteral("Field %1 has no valid length: ").arg(shownName(token.name));
    case Problem::NoName:
        return QStringLiteral("Field without a name: ");
    case Problem::Unclosed:
        return QStringLiteral("Field %1 not closed by \">\": ").arg(shownName(token.name));
    case Problem::None:
        break;
    }
    return {};
}

qsizetype afterByteOrderMark(Bytes data)
{
    return data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

/** Where the records start: after the header's "<eoh>", or at the start when there is none. */
qsizetype bodyStart(Bytes data, QList<qint64> &marks)
{
    const qsizetype start = afterByteOrderMark(data);
    qsizetype first = start;
    while (first < data.size() && isBlank(data[first]))
        ++first;
    if (first >= data.size() || data[first] == '<')
        return start;
    Scanner header(data, start, marks);
    for (Token token = header.next(); token.kind != Token::Kind::End; token = header.next()) {
        if (token.kind != Token::Kind::Tag)
            continue;
        if (isNamed(token.name, "eoh"))
            return token.valueEnd;
        if (isNamed(token.name, "eor"))
            break; // records before any header end: there is no header
    }
    return start;
}

} // namespace

AdifRecord PreparedAdif::record(qsizetype index) const
{
    AdifRecord record;
    if (index < 0 || index >= spans.size())
        return record;
    const Span &span = spans.at(index);
    const Bytes data(bytes);
    QList<qint64> marks = unitMarks;
    Scanner scanner(data, span.begin, marks);
    qsizetype done = span.begin;
    for (Token token = scanner.next(); token.kind != Token::Kind::End && token.begin < span.end;
         token = scanner.next()) {
        if (token.kind == Token::Kind::Tag) {
            if (isNamed(token.name, "eor"))
                break;
            continue;
        }
        if (token.kind == Token::Kind::Broken) {
            record.problems << problemText(token);
            continue;
        }
        const Bytes value = data.sliced(token.valueBegin, token.valueEnd - token.valueBegin);
        // Kept with the QSO and written back, a name must be one a record can carry.
        if (!isAdifFieldName(decodePart(token.name)))
            record.problems << QStringLiteral("Field %1 has a name ADIF does not allow: ")
                                   .arg(shownName(token.name));
        if (value.contains('\0'))
            record.problems
                << QStringLiteral("Field %1 holds a NUL character: ").arg(shownName(token.name));
        record.text += decodePart(data.sliced(done, token.valueBegin - done));
        record.fields.append(
            {decodePart(token.name).toLower(), decodePart(value), decodePart(token.type)});
        record.text += record.fields.constLast().value;
        done = token.valueEnd;
    }
    record.text += decodePart(data.sliced(done, span.end - done));
    if (!span.ended)
        record.problems << QStringLiteral("Record end <eor> not found: ");
    record.problems.removeDuplicates(); // a thousand broken fields of one name say it once
    return record;
}

QString decodeAdif(const QByteArray &bytes)
{
    const Bytes data(bytes);
    QList<qint64> marks;
    qsizetype done = afterByteOrderMark(data);
    Scanner scanner(data, done, marks);
    QString text;
    for (Token token = scanner.next(); token.kind != Token::Kind::End; token = scanner.next()) {
        if (token.kind != Token::Kind::Field)
            continue;
        text += decodePart(data.sliced(done, token.valueBegin - done));
        text += decodePart(data.sliced(token.valueBegin, token.valueEnd - token.valueBegin));
        done = token.valueEnd;
    }
    text += decodePart(data.sliced(done));
    return text;
}

PreparedAdif prepareAdif(const QByteArray &bytes)
{
    PreparedAdif prepared;
    prepared.bytes = bytes;
    const Bytes data(prepared.bytes);
    const qsizetype body = bodyStart(data, prepared.unitMarks);
    Scanner scanner(data, body, prepared.unitMarks);
    qsizetype begin = body;
    bool content = false; // a field or a broken one since the last record end
    for (Token token = scanner.next();; token = scanner.next()) {
        if (token.kind == Token::Kind::End) {
            if (content)
                prepared.spans.append({begin, data.size(), false});
            break;
        }
        if (token.kind != Token::Kind::Tag) {
            content = true;
            continue;
        }
        if (!isNamed(token.name, "eor"))
            continue;
        if (content)
            prepared.spans.append({begin, token.valueEnd, true});
        begin = token.valueEnd;
        content = false;
    }
    prepared.status =
        prepared.estimate() == 0
            ? QCoreApplication::translate("AdifText", "No QSOs found")
            : QCoreApplication::translate("AdifText", "Probably number of found QSOs: %1")
                  .arg(prepared.estimate());
    return prepared;
}

PreparedAdif importAdif(const QString &text)
{
    return prepareAdif(text.toUtf8());
}

QList<AdifFieldValue> parseFields(const QString &record)
{
    const QByteArray bytes = record.toUtf8();
    const Bytes data(bytes);
    QList<qint64> marks;
    Scanner scanner(data, 0, marks);
    QList<AdifFieldValue> fields;
    for (Token token = scanner.next(); token.kind != Token::Kind::End; token = scanner.next()) {
        if (token.kind == Token::Kind::Field)
            fields.append(
                {decodePart(token.name).toLower(),
                 decodePart(data.sliced(token.valueBegin, token.valueEnd - token.valueBegin)),
                 decodePart(token.type)});
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
