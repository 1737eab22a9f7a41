#include "scanner/CardMatcher.h"

#include "formats/Formats.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "refdata/MyFunctions.h"
#include "scanner/UserText.h"

#include <QTimeZone>

namespace scanner {
namespace {

constexpr char kContext[] = "CardMatcher";
constexpr char kOtherCall[] =
    QT_TRANSLATE_NOOP("CardMatcher", "The card is for %1; this logbook's call is %2");
constexpr char kNoDate[] =
    QT_TRANSLATE_NOOP("CardMatcher", "The card gives no date: no QSO looked for");
constexpr char kNoQso[] = QT_TRANSLATE_NOOP("CardMatcher", "No QSO in %1 fits: %2");
constexpr char kOneQso[] = QT_TRANSLATE_NOOP("CardMatcher", "QSO found: %1");
constexpr char kSeveralQsos[] = QT_TRANSLATE_NOOP("CardMatcher", "%1 QSOs fit: choose one");

void setMessage(CardMatch &match, const UserText &message)
{
    match.message = message.english;
    match.shownMessage = message.shown;
}

/** "PHONE" written on a card is the class name, not a digital mode. */
int modeClassOf(const QString &mode)
{
    const QString upper = mode.toUpper();
    if (upper == QLatin1String("PHONE"))
        return refdata::Phone;
    return refdata::mode2xMode(upper);
}

QDateTime minuteOf(const QDateTime &instant)
{
    QDateTime minute = instant;
    minute.setTime(QTime(instant.time().hour(), instant.time().minute()));
    return minute;
}

/** The bare callsign of a call with prefixes or suffixes ("EA8/DL1ABC/P" → "DL1ABC"): the
 *  longest part. */
QString baseCall(const QString &call)
{
    QString longest;
    for (const QString &part : call.toUpper().split(QLatin1Char('/')))
        if (part.size() > longest.size())
            longest = part;
    return longest;
}

} // namespace

CardMatcher::CardMatcher(LogModel &log, const UserDefaults &defaults)
    : m_log(log), m_defaults(defaults)
{}

CardMatch CardMatcher::match(QStringView text)
{
    QString why;
    QString shownWhy;
    std::optional<CardText> card = readCardText(text, &why, &shownWhy);
    if (!card) {
        CardMatch result;
        result.message = why;
        result.shownMessage = shownWhy;
        return result;
    }
    return match(*card);
}

CardMatch CardMatcher::match(const CardText &card)
{
    CardMatch result;
    result.card = card;
    QStringList notes = card.problems;
    QStringList shownNotes = card.shownProblems;
    const QString myCall = m_log.getMyCallsign().trimmed().toUpper();
    if (!myCall.isEmpty() && baseCall(myCall) != baseCall(card.to)) {
        const UserText otherCall = userText(kContext, kOtherCall, card.to, myCall);
        notes << otherCall.english;
        shownNotes << otherCall.shown;
    }
    result.note = notes.join(QStringLiteral("; "));
    result.shownNote = shownNotes.join(QStringLiteral("; "));
    if (!card.date) {
        result.kind = CardMatch::CannotMatch;
        setMessage(result, userText(kContext, kNoDate));
        return result;
    }

    for (const QsoClass &qso : m_log.getAllQSOsWith(card.from))
        if (fits(card, qso))
            result.candidates << qso;
    if (result.candidates.size() > 1 && card.time) {
        const QDateTime stated = minuteOf(QDateTime(*card.date, *card.time, QTimeZone::utc()));
        QList<QsoClass> sameMinute;
        for (const QsoClass &qso : std::as_const(result.candidates))
            if (minuteOf(qso.dateTime) == stated)
                sameMinute << qso;
        if (sameMinute.size() == 1)
            result.candidates = sameMinute;
    }

    if (result.candidates.isEmpty()) {
        result.kind = CardMatch::NoQso;
        setMessage(result, userText(kContext, kNoQso, m_log.logDbName(), describeCard(card)));
    } else if (result.candidates.size() == 1) {
        result.kind = CardMatch::OneQso;
        setMessage(result,
                   userText(kContext, kOneQso, describeQso(result.candidates.constFirst())));
    } else {
        result.kind = CardMatch::SeveralQsos;
        setMessage(result,
                   userText(kContext, kSeveralQsos, QString::number(result.candidates.size())));
    }
    return result;
}

bool CardMatcher::fits(const CardText &card, const QsoClass &qso) const
{
    if (!qso.dateTime.isValid())
        return false;
    if (card.time) {
        const QDateTime stated(*card.date, *card.time, QTimeZone::utc());
        if (std::abs(stated.secsTo(qso.dateTime)) > kWindowSeconds)
            return false;
    } else if (qso.dateTime.toUTC().date() != *card.date) {
        return false;
    }

    const refdata::BandTable table = MyFunctions::bandTable(m_defaults);
    QString cardBand = card.band;
    if (cardBand.isEmpty() && card.kHz > 0)
        cardBand = refdata::qrg2mBand(table, card.kHz);
    if (!cardBand.isEmpty() && cardBand != QLatin1String(refdata::kUnknownBand)) {
        QString qsoBand = qso.band.toLower();
        if (refdata::band2xBand(qsoBand) == 0 && qso.qrg > 0)
            qsoBand = refdata::qrg2mBand(table, qso.qrg);
        if (qsoBand != cardBand)
            return false;
    }
    if (!card.mode.isEmpty() && modeClassOf(card.mode) != modeClassOf(qso.mode))
        return false;
    return true;
}

WriteResult CardMatcher::markReceived(const QsoClass &qso, const QDate &day)
{
    if (!qso.isStored())
        return WriteResult::notStored();
    QString readError;
    const std::optional<QsoClass> now = m_log.qsoById(*qso.id, &readError);
    if (!readError.isEmpty())
        return WriteResult::failed(readError);
    if (!now || now->callsign != qso.callsign || now->sqlDateTime() != qso.sqlDateTime())
        return WriteResult::failed(
            QStringLiteral("The QSO is no longer in %1 as it was").arg(m_log.logDbName()));
    // The date first: should the letter then fail, the QSO still reads as before.
    if (WriteResult written =
            m_log.updateLogbookField(QStringLiteral("qslindate"), *now, formats::sqlDate(day));
        !written)
        return written;
    WriteResult marked =
        m_log.updateLogbookField(QStringLiteral("qsl"), *now, receivedLetter(now->qsl));
    // The entity's worked/confirmed letters (DX list, spot colours) are kept beside the QSOs and
    // must learn of the card as an import of it would tell them.
    if (marked)
        m_log.updateDxInfoString(*now);
    return marked;
}

QString CardMatcher::receivedLetter(const QString &current)
{
    return current == QLatin1String("S") || current == QLatin1String("X") ? QStringLiteral("X")
                                                                          : QStringLiteral("R");
}

bool CardMatcher::isReceived(const QsoClass &qso)
{
    return qso.qsl == QLatin1String("R") || qso.qsl == QLatin1String("X") ||
           qso.qsl == QLatin1String("G");
}

QString CardMatcher::describeQso(const QsoClass &qso)
{
    QString text = QStringList{qso.sqlDateTime().left(16), qso.callsign, qso.band, qso.mode}
                       .join(QLatin1Char(' '))
                       .simplified();
    if (!qso.qsl.isEmpty())
        text += QStringLiteral(", QSL %1").arg(qso.qsl);
    return text;
}

} // namespace scanner
