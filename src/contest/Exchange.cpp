#include "contest/Exchange.h"

#include <QRegularExpression>

#include <algorithm>

namespace contest {
namespace {

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

/** The value in this form as kept, or nothing with what the form expects. */
std::optional<QString> fits(const FieldForm &form, const QString &value, QString *expected)
{
    switch (form.kind) {
    case FieldForm::Rst: {
        QString rst = value;
        rst.replace(QLatin1Char('N'), QLatin1Char('9'));
        const bool ok = isDigits(rst) && (rst.size() == 2 || rst.size() == 3) && rst[0] >= u'1' &&
                        rst[0] <= u'5' && rst[1] >= u'1' && (rst.size() == 2 || rst[2] >= u'1');
        *expected = QStringLiteral("a report (59, 599)");
        return ok ? std::optional<QString>(rst) : std::nullopt;
    }
    case FieldForm::Serial: {
        QString serial = value;
        // Cut numbers: T for 0, O for 0, N for 9, A for 1.
        serial.replace(QLatin1Char('T'), QLatin1Char('0'))
            .replace(QLatin1Char('O'), QLatin1Char('0'));
        *expected = QStringLiteral("a serial number (1–99999)");
        if (!isDigits(serial) || serial.size() > 5 || serial.toInt() < 1)
            return std::nullopt;
        return QString::number(serial.toInt());
    }
    case FieldForm::CqZone:
    case FieldForm::ItuZone: {
        const int high = form.kind == FieldForm::CqZone ? 40 : 90;
        *expected = form.kind == FieldForm::CqZone ? QStringLiteral("a CQ zone (1–40)")
                                                   : QStringLiteral("an ITU zone (1–90)");
        if (!isDigits(value) || value.size() > 2 || value.toInt() < 1 || value.toInt() > high)
            return std::nullopt;
        return QString::number(value.toInt());
    }
    case FieldForm::List:
        *expected = form.as.isEmpty() ? QStringLiteral("one of the contest's values")
                                      : QStringLiteral("a %1").arg(form.as);
        return form.values.contains(value) ? std::optional<QString>(value) : std::nullopt;
    case FieldForm::Pattern:
        *expected = form.as.isEmpty() ? QStringLiteral("what the contest expects")
                                      : QStringLiteral("a %1").arg(form.as);
        return form.pattern.match(value).hasMatch() ? std::optional<QString>(value) : std::nullopt;
    case FieldForm::Text:
        *expected = QStringLiteral("a text");
        return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::pair<QString, int>> checkField(const ExchangeField &field, const QString &value,
                                                  QString *error)
{
    if (value.size() > field.maxLength) {
        *error = QStringLiteral("%1: \"%2…\" is too long (at most %3 characters)")
                     .arg(field.name, value.left(field.maxLength))
                     .arg(field.maxLength);
        return std::nullopt;
    }
    for (const QChar c : value)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f) {
            *error = QStringLiteral("%1: only letters, digits and signs").arg(field.name);
            return std::nullopt;
        }
    QStringList expected;
    for (qsizetype i = 0; i < field.forms.size(); ++i) {
        QString what;
        if (std::optional<QString> kept = fits(field.forms.at(i), value, &what))
            return std::pair{*kept, int(i)};
        expected << what;
    }
    *error = QStringLiteral("%1: %2 is not %3").arg(field.name, value, expected.join(u" or "));
    return std::nullopt;
}

std::optional<Exchange> parseExchange(const ContestDefinition &def, const QString &text,
                                      const QString &cabMode, QString *error)
{
    if (text.size() > kMaxExchangeLength) {
        *error =
            QStringLiteral("exchange: too long (at most %1 characters)").arg(kMaxExchangeLength);
        return std::nullopt;
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = text.toUpper().split(blanks, Qt::SkipEmptyParts);
    const qsizetype fields = def.exchange.size();
    // The report is often left out: it is 599 (59 on phone) then.
    if (words.size() == fields - 1 && fields > 1 && def.exchange.first().isRst())
        words.prepend(cabMode == QLatin1String("PH") ? QStringLiteral("59")
                                                     : QStringLiteral("599"));
    if (words.size() < fields) {
        // With the report left out, the first missing value is the one after it.
        const qsizetype missing = words.size() + (def.exchange.first().isRst() ? 1 : 0);
        *error =
            QStringLiteral("%1: missing").arg(def.exchange.at(std::min(missing, fields - 1)).name);
        return std::nullopt;
    }
    if (words.size() > fields) {
        *error = QStringLiteral("exchange: %1 values given, the contest takes %2")
                     .arg(words.size())
                     .arg(fields);
        return std::nullopt;
    }
    Exchange exchange;
    for (qsizetype i = 0; i < fields; ++i) {
        const std::optional<std::pair<QString, int>> value =
            checkField(def.exchange.at(i), words.at(i), error);
        if (!value)
            return std::nullopt;
        exchange.values << value->first;
        exchange.forms << value->second;
    }
    return exchange;
}

} // namespace contest
