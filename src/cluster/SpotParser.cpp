#include "cluster/SpotParser.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace cluster {
namespace {

constexpr QStringView kPrefix = u"DX de ";

/** Nodes end lines with CR, some ring the bell: neither belongs to a token. */
bool isSeparator(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\a';
}

QList<QStringView> tokens(QStringView text)
{
    QList<QStringView> list;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text.at(i)))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !isSeparator(text.at(i)))
            ++i;
        if (i > start)
            list.append(text.mid(start, i - start));
    }
    return list;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/** The leading decimal number of the text (digits with an optional fraction); 0 when there is
 *  none, and for anything too long to be a frequency. */
double leadingKHz(QStringView text)
{
    constexpr qsizetype kMaxDigits = 15;
    qsizetype end = 0;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    if (end < text.size() && text.at(end) == u'.') {
        ++end;
        while (end < text.size() && isDigit(text.at(end)))
            ++end;
    }
    if (end == 0 || end > kMaxDigits)
        return 0.0;
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

/** "HHMM" or "HHMMZ" with a real hour and minute. */
std::optional<QTime> timeOf(QStringView token)
{
    if (token.size() == 5 && token.at(4) == u'Z')
        token.chop(1);
    if (token.size() != 4 || !std::all_of(token.begin(), token.end(), isDigit))
        return std::nullopt;
    const int hours = token.left(2).toInt();
    const int minutes = token.mid(2).toInt();
    if (hours >= 24 || minutes >= 60)
        return std::nullopt;
    return QTime(hours, minutes);
}

/** A four-character grid square some nodes append after the time: "JO40". */
bool isGridSquare(QStringView token)
{
    const auto field = [](QChar c) { return c >= u'A' && c <= u'R'; };
    return token.size() == 4 && field(token.at(0)) && field(token.at(1)) && isDigit(token.at(2)) &&
           isDigit(token.at(3));
}

/** A CQ or ITU zone some nodes append after the time: "14". */
bool isZone(QStringView token)
{
    if (token.isEmpty() || token.size() > 2 || !std::all_of(token.begin(), token.end(), isDigit))
        return false;
    const int zone = token.toInt();
    return zone >= 1 && zone <= 90;
}

} // namespace

std::optional<SpotLine> parseSpotLine(QStringView line)
{
    if (!line.startsWith(kPrefix))
        return std::nullopt;
    const QList<QStringView> words = tokens(line);
    if (words.size() < 3)
        return std::nullopt;
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QStringView remainder = line.mid(colon + 1).trimmed();
    if (remainder.isEmpty())
        return std::nullopt;

    QList<QStringView> rest = tokens(remainder);
    // The first token is the frequency, the second the call.
    if (rest.size() < 2)
        return std::nullopt;
    SpotLine spot;
    spot.dxDe = words.at(2).toString();
    spot.kHz = leadingKHz(remainder);
    spot.dxCall = rest.at(1).toString();
    rest.remove(0, 2);

    if (rest.size() >= 2 && (isGridSquare(rest.last()) || isZone(rest.last())) &&
        timeOf(rest.at(rest.size() - 2)))
        rest.removeLast();
    if (!rest.isEmpty()) {
        spot.timeText = rest.last().toString();
        spot.time = timeOf(rest.last());
        if (spot.time)
            rest.removeLast();
    }
    QStringList note;
    note.reserve(rest.size());
    for (const QStringView word : rest)
        note.append(word.toString());
    spot.note = note.join(u' ');
    return spot;
}

QDateTime spotInstant(QTime time, const QDateTime &now)
{
    constexpr qint64 kMaxAheadSeconds = 3600;
    const QDateTime utcNow = now.toUTC();
    QDateTime instant(utcNow.date(), QTime(time.hour(), time.minute(), utcNow.time().second()),
                      Qt::UTC);
    if (instant.secsTo(utcNow) < -kMaxAheadSeconds)
        instant = instant.addDays(-1);
    return instant;
}

} // namespace cluster
