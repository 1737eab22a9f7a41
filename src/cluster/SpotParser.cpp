#include "cluster/SpotParser.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <array>

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
 *  none, for anything too long to be a frequency, and for a number with digit groups
 *  ("14,025.0" is not 14 kHz). */
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
    if (end == 0 || end > kMaxDigits || (end < text.size() && text.at(end) == u','))
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

/** A US state or Canadian province as DXSpider's usstate column writes it. */
bool isState(QStringView token)
{
    static constexpr std::array<const char *, 64> kStates{
        "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
        "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO",
        "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
        "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "AB",
        "BC", "MB", "NB", "NL", "NS", "NT", "NU", "ON", "PE", "QC", "SK", "YT"};
    return token.size() == 2 &&
           std::any_of(kStates.begin(), kStates.end(),
                       [token](const char *state) { return token == QLatin1String(state); });
}

bool isColumn(QStringView token)
{
    return isGridSquare(token) || isZone(token) || isState(token);
}

/** The spaces right before `token` (a view into `text`). */
qsizetype spacesBefore(QStringView text, QStringView token)
{
    qsizetype at = token.data() - text.data();
    qsizetype count = 0;
    while (at > 0 && text.at(at - 1) == u' ') {
        --at;
        ++count;
    }
    return count;
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

    if (rest.size() >= 2 && isColumn(rest.last()) && timeOf(rest.at(rest.size() - 2)))
        spot.spotterColumn = rest.takeLast().toString();
    QStringView timeToken;
    if (!rest.isEmpty()) {
        spot.timeText = rest.last().toString();
        spot.time = timeOf(rest.last());
        if (spot.time)
            timeToken = rest.takeLast();
    }
    // DXSpider writes its column at the end of the comment's padded width, one space before the
    // time: after padding (two or more spaces), after an RBN token such as "Z:14", or together
    // with the spotter's column after the time. A comment that merely ends in "UP 2" is
    // followed by its padding, not by one space.
    if (spot.time && !rest.isEmpty() && isColumn(rest.last()) &&
        spacesBefore(remainder, timeToken) == 1 &&
        rest.last().data() + rest.last().size() + 1 == timeToken.data()) {
        const QStringView column = rest.last();
        const bool afterPadding = rest.size() == 1 || spacesBefore(remainder, column) >= 2;
        const bool afterRbnToken = rest.size() >= 2 && rest.at(rest.size() - 2).contains(u':');
        if (afterPadding || afterRbnToken || !spot.spotterColumn.isEmpty())
            spot.columnBeforeTime = rest.takeLast().toString();
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
