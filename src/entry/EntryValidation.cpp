#include "entry/EntryValidation.h"

#include "entry/EntryTexts.h"
#include "entry/FieldRules.h"
#include "geo/Locator.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace entry {
namespace {

constexpr int kShortestCallsign = 2;

std::optional<QTime> readTime(const QString &text)
{
    static const QRegularExpression fourDigits(QStringLiteral(R"(^\d{4}$)"));
    if (!fourDigits.match(text).hasMatch())
        return std::nullopt;
    const QTime time = QTime::fromString(text, QStringLiteral("HHmm"));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

} // namespace

QString firstEntryError(const EntryCheck &check, formats::DateStyle style)
{
    if (check.callsign.size() < kShortestCallsign)
        return texts::shown(texts::kNoCallsign);
    if (!frequencyIsUsable(check.frequency))
        return texts::shown(texts::kFrequencyInvalid);
    if (check.mode.isEmpty())
        return texts::shown(texts::kNoMode);
    if (!check.locator.isEmpty() && !geo::locatorIsValid(check.locator))
        return texts::shown(texts::kLocatorInvalid);
    if (check.handEnteredDate && !parseEntryDateTime(check.date, check.time, style))
        return texts::shown(texts::kDateInvalid);
    return {};
}

std::optional<QDateTime> parseEntryDateTime(const QString &date, const QString &time,
                                            formats::DateStyle style)
{
    const std::optional<QDate> day = formats::parseDisplayDate(date.trimmed(), style);
    const std::optional<QTime> at = readTime(time);
    if (!day || !at)
        return std::nullopt;
    return QDateTime(*day, *at, QTimeZone::utc());
}

} // namespace entry
