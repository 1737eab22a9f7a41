#include "scanner/CardText.h"

#include "formats/Formats.h"
#include "refdata/Bands.h"
#include "scanner/UserText.h"

#include <QRegularExpression>

namespace scanner {
namespace {

constexpr char kContext[] = "CardText";
constexpr char kCannotRead[] = QT_TRANSLATE_NOOP("CardText", "%1 \"%2\" cannot be read");
constexpr char kTooLong[] = QT_TRANSLATE_NOOP("CardText", "Longer than %1 characters");
constexpr char kControlCharacters[] = QT_TRANSLATE_NOOP("CardText", "Contains control characters");
constexpr char kNoMarkers[] =
    QT_TRANSLATE_NOOP("CardText", "No \"From:\" and \"To:\": not a QSL card");

/** A key is a word followed by ':' at the start, after a separator or after a space. */
const QRegularExpression &keyPattern()
{
    static const QRegularExpression pattern(QStringLiteral("(?:^|(?<=[\\s;,|]))([A-Za-z]{1,20}):"));
    return pattern;
}

bool isSeparator(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u';' || c == u',' || c == u'|';
}

/** The fields by lower-case key, each value up to the next key or separator; the first of a
 *  repeated key counts. */
QHash<QString, QString> fieldsOf(QStringView text)
{
    QHash<QString, QString> fields;
    const QString whole = text.toString();
    QRegularExpressionMatchIterator it = keyPattern().globalMatch(whole);
    QString key;
    qsizetype valueStart = -1;
    const auto take = [&](qsizetype end) {
        if (valueStart < 0 || fields.contains(key))
            return;
        QString value = whole.mid(valueStart, end - valueStart);
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (isSeparator(value.at(i))) {
                value.truncate(i);
                break;
            }
        }
        fields.insert(key, value.simplified());
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        take(match.capturedStart());
        key = match.captured(1).toLower();
        valueStart = match.capturedEnd();
    }
    take(whole.size());
    return fields;
}

bool hasControlCharacters(QStringView text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t')
            return true;
    return false;
}

QString firstWord(const QString &value)
{
    return value.section(QLatin1Char(' '), 0, 0);
}

bool isCallsign(const QString &call)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z0-9/]{3,20}$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression letter(QStringLiteral("[A-Z]"));
    return pattern.match(call).hasMatch() && digit.match(call).hasMatch() &&
           letter.match(call).hasMatch();
}

/** "Dec" or "December" in any case; 0 for anything else ("Decimal"). */
int monthOfName(const QString &name)
{
    static const QStringList months = {
        QStringLiteral("january"), QStringLiteral("february"), QStringLiteral("march"),
        QStringLiteral("april"),   QStringLiteral("may"),      QStringLiteral("june"),
        QStringLiteral("july"),    QStringLiteral("august"),   QStringLiteral("september"),
        QStringLiteral("october"), QStringLiteral("november"), QStringLiteral("december")};
    const QString lower = name.toLower();
    for (qsizetype i = 0; i < months.size(); ++i)
        if (lower == months.at(i) || lower == months.at(i).left(3))
            return int(i) + 1;
    return 0;
}

/** A date in one of the written forms; nothing for any other text or an impossible date. */
std::optional<QDate> dateOf(const QString &text)
{
    static const QRegularExpression isoLike(
        QStringLiteral("^(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression european(
        QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    static const QRegularExpression named(
        QStringLiteral("^(\\d{1,2})[- ]([A-Za-z]{3,9})\\.?[- ](\\d{4})$"));
    int year = 0;
    int month = 0;
    int day = 0;
    if (QRegularExpressionMatch m = isoLike.match(text); m.hasMatch()) {
        year = m.captured(1).toInt(), month = m.captured(2).toInt(), day = m.captured(3).toInt();
    } else if (m = compact.match(text); m.hasMatch()) {
        year = m.captured(1).toInt(), month = m.captured(2).toInt(), day = m.captured(3).toInt();
    } else if (m = european.match(text); m.hasMatch()) {
        day = m.captured(1).toInt(), month = m.captured(2).toInt(), year = m.captured(3).toInt();
    } else if (m = named.match(text); m.hasMatch()) {
        day = m.captured(1).toInt(), month = monthOfName(m.captured(2)),
        year = m.captured(3).toInt();
    } else {
        return std::nullopt;
    }
    if (year < CardText::kFirstYear || year > CardText::kLastYear)
        return std::nullopt;
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

/** A UTC time "1432", "14:32", "143210", "14:32:10", with "UTC", "Z" or "GMT" after it. */
std::optional<QTime> timeOf(QString text)
{
    static const QRegularExpression zone(QStringLiteral("\\s*(UTC|GMT|Z)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression colons(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    static const QRegularExpression digits(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2})?$"));
    text.remove(zone);
    QRegularExpressionMatch m = colons.match(text);
    if (!m.hasMatch())
        m = digits.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

/** A frequency in kHz: with a unit as said, without one below 1000 is MHz, else kHz. */
double kHzOf(QString text)
{
    text = text.toLower().remove(QLatin1Char(' '));
    double factor = 0.0;
    for (const auto &[unit, unitFactor] :
         {std::pair{"ghz", 1e6}, std::pair{"mhz", 1e3}, std::pair{"khz", 1.0}}) {
        if (text.endsWith(QLatin1String(unit))) {
            text.chop(3);
            factor = unitFactor;
            break;
        }
    }
    static const QRegularExpression number(QStringLiteral("^\\d{1,9}(\\.\\d{1,9})?$"));
    if (!number.match(text).hasMatch())
        return 0.0;
    const double value = text.toDouble();
    const double kHz = value * (factor > 0 ? factor : value < 1000 ? 1e3 : 1.0);
    constexpr double kHighestKHz = 300e6; // 300 GHz
    return kHz > 0 && kHz <= kHighestKHz ? kHz : 0.0;
}

/** The field's key stays as written on the card, in any language. */
UserText cannotRead(const char *what, const QString &value)
{
    return userText(kContext, kCannotRead, QString::fromLatin1(what), value.left(40));
}

void addProblem(CardText &card, const UserText &problem)
{
    card.problems << problem.english;
    card.shownProblems << problem.shown;
}

void readDateAndTime(const QHash<QString, QString> &fields, CardText &card)
{
    QString timeText = fields.value(QStringLiteral("time"), fields.value(QStringLiteral("utc")));
    if (const QString dateText = fields.value(QStringLiteral("date")); !dateText.isEmpty()) {
        // The date may carry the time: "2026-12-06 14:32", "06 Dec 2026 1432z".
        const QStringList words = dateText.split(QLatin1Char(' '));
        for (qsizetype n = 1; n <= std::min<qsizetype>(3, words.size()) && !card.date; ++n) {
            card.date = dateOf(words.mid(0, n).join(QLatin1Char(' ')));
            if (card.date && timeText.isEmpty())
                timeText = words.mid(n).join(QLatin1Char(' '));
        }
        if (!card.date)
            addProblem(card, cannotRead("Date", dateText));
    }
    if (!timeText.isEmpty()) {
        card.time = timeOf(timeText);
        if (!card.time)
            addProblem(card, cannotRead("Time", timeText));
    }
}

} // namespace

bool hasCardMarkers(QStringView text)
{
    return text.contains(u"From:", Qt::CaseInsensitive) &&
           text.contains(u"To:", Qt::CaseInsensitive);
}

std::optional<CardText> readCardText(QStringView text, QString *why, QString *shownWhy)
{
    const auto refuse = [why, shownWhy](const UserText &reason) {
        if (why)
            *why = reason.english;
        if (shownWhy)
            *shownWhy = reason.shown;
        return std::nullopt;
    };
    if (text.size() > CardText::kMaxLength)
        return refuse(userText(kContext, kTooLong, QString::number(CardText::kMaxLength)));
    if (hasControlCharacters(text))
        return refuse(userText(kContext, kControlCharacters));
    const QHash<QString, QString> fields = fieldsOf(text);
    if (!fields.contains(QStringLiteral("from")) || !fields.contains(QStringLiteral("to")))
        return refuse(userText(kContext, kNoMarkers));

    CardText card;
    card.from = firstWord(fields.value(QStringLiteral("from"))).toUpper();
    card.to = firstWord(fields.value(QStringLiteral("to"))).toUpper();
    if (!isCallsign(card.from))
        return refuse(cannotRead("From", fields.value(QStringLiteral("from"))));
    if (!isCallsign(card.to))
        return refuse(cannotRead("To", fields.value(QStringLiteral("to"))));

    readDateAndTime(fields, card);
    if (const QString band = fields.value(QStringLiteral("band")); !band.isEmpty()) {
        const int xBand = refdata::band2xBand(QString(band).remove(QLatin1Char(' ')).toLower());
        if (xBand > 0)
            card.band = refdata::bandName(xBand);
        else
            addProblem(card, cannotRead("Band", band));
    }
    for (const char *key : {"freq", "frequency", "qrg"}) {
        const QString value = fields.value(QLatin1String(key));
        if (value.isEmpty())
            continue;
        card.kHz = kHzOf(value);
        if (card.kHz <= 0)
            addProblem(card, cannotRead("Frequency", value));
        break;
    }
    if (const QString mode = firstWord(fields.value(QStringLiteral("mode"))).toUpper();
        !mode.isEmpty()) {
        static const QRegularExpression pattern(QStringLiteral("^[A-Z0-9-]{2,12}$"));
        if (pattern.match(mode).hasMatch())
            card.mode = mode;
        else
            addProblem(card, cannotRead("Mode", mode));
    }
    if (why)
        why->clear();
    if (shownWhy)
        shownWhy->clear();
    return card;
}

QString describeCard(const CardText &card)
{
    QStringList parts{card.from + QStringLiteral(" \u2192 ") + card.to};
    if (card.date)
        parts << formats::sqlDate(*card.date);
    if (card.time)
        parts << card.time->toString(QStringLiteral("HH:mm"));
    if (!card.band.isEmpty())
        parts << card.band;
    if (card.kHz > 0)
        parts << QStringLiteral("%1 kHz").arg(card.kHz, 0, 'f', 1);
    if (!card.mode.isEmpty())
        parts << card.mode;
    return parts.join(QLatin1Char(' '));
}

QString printableText(QStringView text)
{
    QString shown = text.toString();
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t')
            c = QChar::ReplacementCharacter;
    return shown;
}

} // namespace scanner
