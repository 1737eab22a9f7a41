#include "wsjtx/WsjtxQsoCheck.h"

#include "geo/Locator.h"
#include "refdata/Bands.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <cmath>

namespace wsjtx {
namespace {

// The highest amateur allocation lies near 250 GHz.
constexpr double kMaxKHz = 300'000'000.0;

} // namespace

QString qsoProblem(const QsoClass &qso, const QDateTime &now)
{
    static const QRegularExpression kCall(QStringLiteral("^[A-Z0-9/]{3,20}$"));
    if (!kCall.match(qso.callsign).hasMatch())
        return QStringLiteral("not a callsign");
    if (!qso.locator.isEmpty() && !geo::locatorIsValid(qso.locator.toUpper()))
        return QStringLiteral("not a locator: %1").arg(qso.locator.left(12));
    if (!std::isfinite(qso.qrg) || qso.qrg <= 0 || qso.qrg > kMaxKHz || qso.band.isEmpty() ||
        qso.band == QLatin1String(refdata::kUnknownBand))
        return QStringLiteral("no frequency on a known band");
    const QDateTime earliest(QDate(1930, 1, 1), QTime(0, 0), QTimeZone::utc());
    if (!qso.dateTime.isValid() || qso.dateTime < earliest || qso.dateTime > now.addDays(1))
        return QStringLiteral("no plausible date");
    return {};
}

} // namespace wsjtx
