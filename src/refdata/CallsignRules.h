#pragma once

#include <QString>
#include <QStringView>

/** The fixed callsign rules of the DXCC resolver: trimming, the base call and call-area digit of
 *  a portable call, the first suffix letter, and the entity changes a call-area digit makes. */
namespace refdata {

inline constexpr int kNoArea = -1;

/** The part of a callsign that decides the entity, and the call-area digit of a "/d" suffix. */
struct BaseCall {
    QString base;
    int area = kNoArea;
};

/** Spaces, then ".,;:" trimmed from both ends (spotters write "DL1ABC." and "DL1ABC:"). */
[[nodiscard]] QString trimCall(const QString &callsign);

/** Leading integer of a text as C's atoi reads it: blanks, a sign, digits; 0 without digits. */
[[nodiscard]] qint64 leadingInteger(QStringView text);

/** True for a text that orders between "0" and "9" inclusive (a call-area suffix). */
[[nodiscard]] bool ordersAsDigit(QStringView text);

/** Splits a call at "/": drops portable markers and a call-area digit, takes a country prefix
 *  before or after the call, and otherwise the shorter of the first two parts. */
[[nodiscard]] BaseCall splitBaseCall(const QString &call);

/** The call-area digit of a callsign (0 when there is none). */
[[nodiscard]] int getCallArea(const QString &callsign);

/** First letter of the suffix: the third character after a digit in second place, else the
 *  fourth; "" for calls too short. */
[[nodiscard]] QString getFirstSuffix(const QString &callsign);

/** The entity a call-area digit moves a prefix match to (W1ABC/KL7 style operations, island
 *  districts by area); entities without such a rule keep their number. */
[[nodiscard]] int correctForCallArea(int adif, int area);

} // namespace refdata
