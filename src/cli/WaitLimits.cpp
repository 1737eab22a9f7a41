#include "cli/WaitLimits.h"

#include "cli/Args.h"

#include <QEventLoop>
#include <QTimer>

namespace cli {
namespace {

constexpr double kMaxSeconds = 2'000'000;

} // namespace

std::optional<WaitLimits> WaitLimits::read(const Args &args)
{
    bool countOk = true;
    bool secondsOk = true;
    WaitLimits limits;
    limits.count = args.option(QStringLiteral("count"), QStringLiteral("0")).toInt(&countOk);
    limits.seconds =
        args.option(QStringLiteral("seconds"), QStringLiteral("0")).toDouble(&secondsOk);
    // A timer counts milliseconds in an int: about 24 days at the most.
    if (!countOk || limits.count < 0 || !secondsOk || !(limits.seconds >= 0) ||
        limits.seconds > kMaxSeconds)
        return std::nullopt;
    return limits;
}

void WaitLimits::arm(QEventLoop &loop) const
{
    if (seconds > 0)
        QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
}

} // namespace cli
