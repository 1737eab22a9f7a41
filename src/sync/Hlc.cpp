#include "sync/Hlc.h"

#include <algorithm>

namespace logsync {
namespace {

constexpr int kMsDigits = 18;
constexpr int kCounterDigits = 5;
// The counter's text has five digits; past them a reading moves to the next millisecond, which
// keeps both the order and the text width.
constexpr int kMaxCounter = 99999;

Hlc normalized(Hlc reading)
{
    if (reading.counter > kMaxCounter) {
        ++reading.ms;
        reading.counter = 0;
    }
    return reading;
}

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString Hlc::toText() const
{
    return QStringLiteral("%1.%2.%3")
        .arg(std::max<qint64>(ms, 0), kMsDigits, 10, QLatin1Char('0'))
        .arg(std::max(counter, 0), kCounterDigits, 10, QLatin1Char('0'))
        .arg(device);
}

std::optional<Hlc> Hlc::fromText(const QString &text)
{
    constexpr int kDeviceStart = kMsDigits + 1 + kCounterDigits + 1;
    if (text.size() <= kDeviceStart || text.at(kMsDigits) != u'.' ||
        text.at(kMsDigits + 1 + kCounterDigits) != u'.')
        return std::nullopt;
    const QStringView view(text);
    const QStringView msText = view.first(kMsDigits);
    const QStringView counterText = view.sliced(kMsDigits + 1, kCounterDigits);
    if (!allDigits(msText) || !allDigits(counterText))
        return std::nullopt;
    Hlc reading;
    reading.ms = msText.toLongLong();
    reading.counter = counterText.toInt();
    reading.device = text.mid(kDeviceStart);
    return reading;
}

Hlc Hlc::tick(const Hlc &last, qint64 nowMs, const QString &device)
{
    Hlc next;
    next.ms = std::max(last.ms, nowMs);
    next.counter = next.ms == last.ms ? last.counter + 1 : 0;
    next.device = device;
    return normalized(next);
}

Hlc Hlc::receive(const Hlc &last, const Hlc &seen)
{
    Hlc next;
    next.device = last.device;
    if (seen.ms > last.ms) {
        next.ms = seen.ms;
        next.counter = seen.counter;
    } else if (seen.ms < last.ms) {
        next.ms = last.ms;
        next.counter = last.counter;
    } else {
        next.ms = last.ms;
        next.counter = std::max(last.counter, seen.counter) + 1;
    }
    return normalized(next);
}

std::strong_ordering operator<=>(const Hlc &a, const Hlc &b)
{
    if (const auto order = a.ms <=> b.ms; order != 0)
        return order;
    if (const auto order = a.counter <=> b.counter; order != 0)
        return order;
    return a.device.compare(b.device) <=> 0;
}

} // namespace logsync
