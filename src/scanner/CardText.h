#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

#include <optional>

namespace scanner {

/** What a QSL card's QR code says about the QSO it confirms. The text is a list of "Key: value"
 *  fields separated by line breaks, ';', ',' or '|' (or only spaces, "From: DL1ABC To: G4XYZ");
 *  key names in any case:
 *
 *    From:  the station that sent the card (the other station of the QSO)   required
 *    To:    the station the card is for (our call)                           required
 *    Date:  2026-12-06, 20261206, 06.12.2026, 06-Dec-2026 or 06 Dec 2026
 *    Time:  1432, 14:32, 143210 or 14:32:10, "UTC" or "Z" may follow (also as the key "UTC")
 *    Band:  20m, 20M, 70cm
 *    Freq:  14.074 (MHz), 14074 (kHz), or with the unit "MHz"/"kHz" (keys "Frequency", "QRG")
 *    Mode:  SSB, CW, FT8, …
 *
 *  Other keys (RST, QSL, Via, …) are allowed and ignored. A text without both "From:" and "To:"
 *  is not a card. Fields that are present but cannot be read are listed in `problems`; the card
 *  stays a card, only that field is missing. */
struct CardText {
    static constexpr qsizetype kMaxLength = 4096;
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2099;

    QString from; // upper case
    QString to;   // upper case
    std::optional<QDate> date;
    std::optional<QTime> time; // UTC
    QString band;              // the program's band name, "20m"
    double kHz = 0.0;          // 0 when no frequency was given
    QString mode;              // upper case
    QStringList problems;      // "Date "31.02.2026" cannot be read", …
    QStringList shownProblems; // the same in the user's language, for the screen
};

/** Whether the text carries both markers "From:" and "To:" (in any case): only such texts are
 *  relayed and read as cards. */
[[nodiscard]] bool hasCardMarkers(QStringView text);

/** Reads a card text; none when it is not a card, with the reason in `why` ("No "From:" and
 *  "To:"", "Longer than 4096 characters", "Contains control characters", …) and in the user's
 *  language in `shownWhy`. */
[[nodiscard]] std::optional<CardText> readCardText(QStringView text, QString *why = nullptr,
                                                   QString *shownWhy = nullptr);

/** The parts of a card, one line: "DL1ABC → G4XYZ 2026-12-06 14:32 20m FT8". */
[[nodiscard]] QString describeCard(const CardText &card);

/** The text with control characters (but line breaks and tabs) shown as replacement
 *  characters, for showing a received text. */
[[nodiscard]] QString printableText(QStringView text);

} // namespace scanner
