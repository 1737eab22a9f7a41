#include "model/PrefixRanges.h"

namespace prefixranges {
namespace {

// Sixteen ranges cover an 8-character locator (four letters); beyond that "like" is cheaper.
constexpr int kMaxLetters = 4;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

/** The first text after every text that starts with `text`: its last character one higher. */
QString pastPrefix(QString text)
{
    if (text.isEmpty())
        return {};
    text.back() = QChar(text.back().unicode() + 1);
    return text;
}

} // namespace

std::optional<QList<Range>> caseBlind(const QString &prefix)
{
    QList<qsizetype> letters;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        // The last character is raised by one, so DEL (0x7f) must not end the prefix either.
        if (prefix.at(i).unicode() >= 0x7f)
            return std::nullopt;
        if (isAsciiLetter(prefix.at(i)))
            letters.append(i);
    }
    if (letters.size() > kMaxLetters)
        return std::nullopt;
    QList<Range> ranges;
    const QString upper = prefix.toUpper();
    for (int variant = 0; variant < (1 << letters.size()); ++variant) {
        QString spelled = upper;
        for (qsizetype bit = 0; bit < letters.size(); ++bit)
            if (variant & (1 << bit))
                spelled[letters.at(bit)] = spelled.at(letters.at(bit)).toLower();
        ranges.append({spelled, pastPrefix(spelled)});
    }
    return ranges;
}

Condition condition(const QString &column, const QList<Range> &ranges)
{
    Condition result;
    QStringList terms;
    for (const Range &range : ranges) {
        result.values << range.from;
        if (range.below.isEmpty()) {
            terms << column + QStringLiteral(">=?");
        } else {
            terms << QStringLiteral("%1>=? and %1<?").arg(column);
            result.values << range.below;
        }
    }
    result.sql = QLatin1Char('(') + terms.join(QStringLiteral(" or ")) + QLatin1Char(')');
    return result;
}

} // namespace prefixranges
