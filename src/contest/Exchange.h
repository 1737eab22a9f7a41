#pragma once

#include "contest/ContestDefinition.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace contest {

/** An exchange as checked: one value per exchange field, with the form each took. */
struct Exchange {
    QStringList values;
    QList<int> forms; // index into the field's forms
    [[nodiscard]] QString text() const { return values.join(QLatin1Char(' ')); }
};

/** The longest exchange text taken at all. */
inline constexpr qsizetype kMaxExchangeLength = 64;

/** Checks an exchange as typed ("599 14", "5nn 14", "14"): values split at blanks, upper case,
 *  a left-out report taken as 599 (59 for phone), "NN" in a report read as "99". On a refusal,
 *  nothing and the reason naming the field ("zone: 41 is not a CQ zone (1–40)"). */
[[nodiscard]] std::optional<Exchange> parseExchange(const ContestDefinition &def,
                                                    const QString &text, const QString &cabMode,
                                                    QString *error);

/** The value of a field if it fits one of its forms: the value as kept and the form, or the
 *  reason it does not. */
[[nodiscard]] std::optional<std::pair<QString, int>>
checkField(const ExchangeField &field, const QString &value, QString *error);

} // namespace contest
