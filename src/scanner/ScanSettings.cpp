#include "scanner/ScanSettings.h"

#include "app/UserDefaults.h"

#include <QCoreApplication>

namespace scanner {
namespace {

constexpr char kNotAPort[] = QT_TRANSLATE_NOOP(
    "ScanSettings", "The port must be a number up to 65535 (below 512 means 7700).");

} // namespace

std::optional<quint16> scanPort(qint64 value)
{
    if (value < kLowestPort)
        return quint16(kDefaultPort);
    if (value > 65535)
        return std::nullopt;
    return quint16(value);
}

QString portProblem(qint64 value)
{
    return scanPort(value) ? QString() : QString::fromUtf8(kNotAPort);
}

QString shownPortProblem(qint64 value)
{
    return scanPort(value) ? QString() : QCoreApplication::translate("ScanSettings", kNotAPort);
}

std::optional<quint16> configuredPort(const UserDefaults &defaults)
{
    bool ok = false;
    const qint64 stored = defaults.value(QString::fromLatin1(kPortKey)).toLongLong(&ok);
    return scanPort(ok ? stored : 0);
}

qint64 shownPort(const UserDefaults &defaults)
{
    bool ok = false;
    const qint64 stored = defaults.value(QString::fromLatin1(kPortKey)).toLongLong(&ok);
    return ok && stored >= kLowestPort ? stored : kDefaultPort;
}

} // namespace scanner
