#include "trx/Ft817.h"

#include "trx/CatNumbers.h"

namespace trx {
namespace {

constexpr char kRead = 0x03;
constexpr char kSetFrequency = 0x01;
constexpr char kSetMode = 0x07;

struct YaesuMode {
    int number;
    const char *display;
    const char *log;
};

constexpr YaesuMode kModes[] = {
    {0, "LSB", "SSB"}, {1, "USB", "SSB"}, {2, "CW", "CW"},      {3, "CW-R", "CW"},  {4, "AM", "AM"},
    {6, "WFM", "FM"},  {8, "FM", "FM"},   {10, "Digi", "RTTY"}, {12, "PKT", "PKT"},
};

Command command(QByteArray parameters, char opcode)
{
    parameters.resize(4, '\0');
    return {parameters + opcode, 0};
}

const QByteArray &readCommand()
{
    static const QByteArray bytes = command({}, kRead).bytes;
    return bytes;
}

} // namespace

Ft817::Ft817(TuningRange range) : BasicCommandSet(range)
{}

Commands Ft817::startup() const
{
    m_tail.clear();
    m_awaitingReply = true;
    return {{readCommand(), 0}};
}

quint8 Ft817::modeByte(const TuneRequest &request, const CatOptions &options)
{
    switch (request.xMode) {
    case kCw:
        return 0x02;
    case kDigital: {
        constexpr quint8 kDigitalModes[] = {0x00, 0x01, 0x0A, 0x00}; // LSB, USB, DIG
        return kDigitalModes[subModeIndex(options)];
    }
    default:
        return isLowerSideband(request.kHz) ? 0x00 : 0x01;
    }
}

Commands Ft817::tune(const TuneRequest &request, const CatOptions &options) const
{
    if (!canTune(request))
        return {};
    Commands commands;
    if (setsMode(request))
        commands += command(QByteArray(1, char(modeByte(request, options))), kSetMode);
    commands += command(qrgTo4BCD(request.kHz), kSetFrequency);
    return commands;
}

bool Ft817::feed(const QByteArray &bytes)
{
    if (!m_awaitingReply)
        return false;
    m_tail += bytes;
    for (qsizetype at = 0; m_tail.size() - at >= kReplySize; ++at) {
        const QByteArrayView candidate = QByteArrayView(m_tail).sliced(at, kReplySize);
        if (candidate == readCommand()) {
            at += kReplySize - 1; // our read echoed by a one-wire interface
            continue;
        }
        if (takeReply(candidate)) {
            m_tail.clear();
            m_awaitingReply = false;
            return true;
        }
    }
    m_tail = m_tail.right(kReplySize - 1);
    return false;
}

bool Ft817::takeReply(QByteArrayView reply)
{
    const std::optional<double> kHz = bcdToQRG(reply.first(4));
    // The FT-817 receives 0.1–56, 76–154 and 420–470 MHz: a reading elsewhere is a garbled
    // reply.
    const auto covered = [](double k) {
        return (k >= 100 && k <= 56000) || (k >= 76000 && k <= 154000) ||
               (k >= 420000 && k <= 470000);
    };
    if (!kHz || !covered(*kHz) || *kHz < lowestKHz() || *kHz > highestKHz() || !takeKHz(*kHz))
        return false;
    const int number = quint8(reply[4]) & 0x0F;
    m_state.mode.clear();
    for (const YaesuMode &mode : kModes) {
        if (mode.number == number) {
            m_state.mode = QString::fromLatin1(mode.display);
            m_state.logMode = QString::fromLatin1(mode.log);
        }
    }
    return true;
}

void Ft817::reset()
{
    m_tail.clear();
    m_awaitingReply = false;
}

QString Ft817::frequencyText() const
{
    return groupedKHzText(m_state.kHz, 2);
}

QStringList Ft817::dataModeLabels() const
{
    return {"LSB", "USB", "DIG"};
}

} // namespace trx
