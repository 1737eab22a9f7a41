#pragma once

#include "model/QsoClass.h"
#include "scanner/CardText.h"

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

class LogModel;
class UserDefaults;
struct WriteResult;

namespace scanner {

/** What the logbook says to a card. */
struct CardMatch {
    enum Kind {
        NotACard,    // shown, not acted on
        CannotMatch, // a card, but without a readable date
        NoQso,
        OneQso,
        SeveralQsos, // the user chooses
    };
    Kind kind = NotACard;
    std::optional<CardText> card;
    /** The QSOs that fit, oldest first: one for OneQso, two or more for SeveralQsos. */
    QList<QsoClass> candidates;
    /** One line for the user: why it is not a card, what was found, or that nothing was. In
     *  English as the CLI prints it; `shownMessage` is the same in the user's language. */
    QString message;
    QString shownMessage;
    /** A remark that does not stop the match: the card is for another call, a field could not be
     *  read. In English; `shownNote` in the user's language. */
    QString note;
    QString shownNote;
};

/** Finds the QSO a QSL card names in the current logbook: the QSOs with the card's "From:"
 *  callsign whose start lies within 30 minutes of the card's date and time (the whole UTC day
 *  when the card gives no time), on the card's band (written, or that of its frequency by the
 *  user's band table) and in the card's mode class (CW, phone, digital). A band or mode the card
 *  does not give does not narrow the search. When several QSOs fit and exactly one started in
 *  the minute the card states, that one is the match. */
class CardMatcher {
public:
    static constexpr qint64 kWindowSeconds = 30 * 60;

    CardMatcher(LogModel &log, const UserDefaults &defaults);

    [[nodiscard]] CardMatch match(QStringView text);
    [[nodiscard]] CardMatch match(const CardText &card);

    /** Marks the QSO's paper QSL as received on the given day: the received date ("yyyy-MM-dd",
     *  as the logbook keeps it) and the letter (receivedLetter). Reads the QSO again first, so a
     *  QSO deleted or changed since the match is not written blindly. */
    WriteResult markReceived(const QsoClass &qso, const QDate &day);

    /** The paper-QSL letter once the card is in: "X" (sent and received) when ours went out
     *  already ("S" or "X"), else "R". */
    [[nodiscard]] static QString receivedLetter(const QString &current);
    /** Whether the QSO's paper QSL is marked received already ("R", "X" or "G"). */
    [[nodiscard]] static bool isReceived(const QsoClass &qso);
    /** "2026-12-06 14:32 DL1ABC 20m SSB, QSL R". */
    [[nodiscard]] static QString describeQso(const QsoClass &qso);

private:
    [[nodiscard]] bool fits(const CardText &card, const QsoClass &qso) const;

    LogModel &m_log;
    const UserDefaults &m_defaults;
};

} // namespace scanner

Q_DECLARE_METATYPE(scanner::CardMatch)
