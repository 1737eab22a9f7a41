#include "trx/RigctldCommands.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace trx {
namespace {

constexpr double kPhoneUsbFromKHz = 10000.0;
// rigctld refuses what the radio cannot do itself; these only keep nonsense from being sent.
constexpr double kLowestKHz = 1.0;
constexpr double kHighestKHz = 300000000.0; // 300 GHz

const Command kReadFrequency{QByteArrayLiteral("f\n"), 0};
const Command kReadMode{QByteArrayLiteral("m\n"), 0};

bool isReport(const QByteArray &line)
{
    return line.startsWith("RPRT ");
}

bool isModeName(const QByteArray &line)
{
    // Hamlib's mode names are upper case: "USB", "PKTUSB", "CWR".
    if (line.isEmpty() || line.front() < 'A' || line.front() > 'Z')
        return false;
    return std::all_of(line.cbegin(), line.cend(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
}

QByteArray rigctldModeFor(const TuneRequest &request)
{
    switch (request.xMode) {
    case 1:
        return "CW";
    case 2:
        return "PKTUSB";
    case 3:
        return request.kHz < kPhoneUsbFromKHz ? "LSB" : "USB";
    default:
        return {};
    }
}

} // namespace

Commands RigctldCommands::startup() const
{
    return {kReadFrequency, kReadMode};
}

Commands RigctldCommands::poll() const
{
    return {kReadFrequency, kReadMode};
}

Commands RigctldCommands::tune(const TuneRequest &request, const CatOptions &) const
{
    if (!std::isfinite(request.kHz) || request.kHz < kLowestKHz || request.kHz > kHighestKHz)
        return {};
    const qint64 hz = std::llround(request.kHz * 1000.0);
    Commands commands{{"F " + QByteArray::number(hz) + '\n', 0}};
    const QByteArray mode = rigctldModeFor(request);
    if (!mode.isEmpty())
        commands.append({"M " + mode + " 0\n", 0}); // passband 0: the radio's default
    // Read both back, so the display shows what the radio made of it.
    commands << kReadFrequency << kReadMode;
    return commands;
}

bool RigctldCommands::feed(const QByteArray &bytes)
{
    bool read = false;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            break;
        QByteArray line = m_tail + bytes.mid(start, end - start);
        m_tail.clear();
        start = end + 1;
        if (m_dropping) {
            m_dropping = false;
            continue;
        }
        if (line.size() > kMaxLineLength)
            continue;
        read = readLine(line.trimmed()) || read;
    }
    if (!m_dropping) {
        m_tail += bytes.mid(start);
        if (m_tail.size() > kMaxLineLength) {
            m_tail.clear();
            m_dropping = true;
        }
    }
    return read;
}

bool RigctldCommands::readLine(const QByteArray &line)
{
    if (line.isEmpty())
        return false;
    if (isReport(line)) {
        // Ends whatever was answered; a failed "m" sends no passband line.
        m_passbandNext = false;
        return false;
    }
    if (m_passbandNext) {
        m_passbandNext = false;
        return false;
    }
    if (isModeName(line)) {
        m_passbandNext = true;
        m_state.mode = QString::fromLatin1(line);
        const QString logMode = logModeOf(m_state.mode);
        if (!logMode.isEmpty())
            m_state.logMode = logMode;
        return true;
    }
    bool ok = false;
    const double hz = line.toDouble(&ok);
    // Hamlib passes on whatever the radio said: a figure beyond any radio is no reading.
    if (!ok || !std::isfinite(hz) || hz <= 0 || hz / 1000.0 > highestKHz())
        return false;
    m_state.kHz = hz / 1000.0;
    return true;
}

void RigctldCommands::reset()
{
    m_tail.clear();
    m_passbandNext = false;
    m_dropping = false;
}

QString RigctldCommands::frequencyText() const
{
    return QLocale(QLocale::English).toString(m_state.kHz, 'f', 3);
}

double RigctldCommands::lowestKHz() const
{
    return kLowestKHz;
}

double RigctldCommands::highestKHz() const
{
    return kHighestKHz;
}

QString RigctldCommands::logModeOf(const QString &rigctldMode)
{
    static const QHash<QString, QString> kLogModes{
        {QStringLiteral("USB"), QStringLiteral("SSB")},
        {QStringLiteral("LSB"), QStringLiteral("SSB")},
        {QStringLiteral("CW"), QStringLiteral("CW")},
        {QStringLiteral("CWR"), QStringLiteral("CW")},
        {QStringLiteral("AM"), QStringLiteral("AM")},
        {QStringLiteral("AMS"), QStringLiteral("AM")},
        {QStringLiteral("SAM"), QStringLiteral("AM")},
        {QStringLiteral("FM"), QStringLiteral("FM")},
        {QStringLiteral("FMN"), QStringLiteral("FM")},
        {QStringLiteral("WFM"), QStringLiteral("FM")},
        {QStringLiteral("RTTY"), QStringLiteral("RTTY")},
        {QStringLiteral("RTTYR"), QStringLiteral("RTTY")},
        // Sound-card data on a sideband; PSK31 stands for the keyboard digital modes in the log.
        {QStringLiteral("PKTUSB"), QStringLiteral("PSK31")},
        {QStringLiteral("PKTLSB"), QStringLiteral("PSK31")},
        {QStringLiteral("PKTFM"), QStringLiteral("PKT")},
    };
    return kLogModes.value(rigctldMode);
}

} // namespace trx
