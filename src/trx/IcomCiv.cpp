#include "trx/IcomCiv.h"

#include "trx/CatNumbers.h"

namespace trx {
namespace {

constexpr char kPreamble = char(0xFE);
constexpr char kEnd = char(0xFD);
constexpr quint8 kTransceiveFrequency = 0x00;
constexpr quint8 kTransceiveMode = 0x01;
constexpr quint8 kReadFrequency = 0x03;
constexpr quint8 kReadMode = 0x04;
constexpr quint8 kSetFrequency = 0x05;
constexpr quint8 kSetMode = 0x06;

struct IcomMode {
    quint8 code;
    const char *display;
    const char *log;
};

constexpr IcomMode kModes[] = {
    {0x00, "LSB", "SSB"},    {0x01, "USB", "SSB"},   {0x02, "AM", "AM"},
    {0x03, "CW", "CW"},      {0x04, "RTTY", "RTTY"}, {0x05, "FM", "FM"},
    {0x06, "Wide FM", "FM"}, {0x07, "CW-R", "CW"},   {0x08, "RTTY-R", "RTTY"},
    {0x11, "Sync.AM", "AM"}, {0x12, "PSK", "PSK31"}, {0x13, "PSK-R", "PSK31"},
};

/** The index of the last "FE FE" that starts before `end`, at or after `from`; -1 when none. */
qsizetype lastPreamble(const QByteArray &bytes, qsizetype from, qsizetype end)
{
    for (qsizetype at = end - 2; at >= from; --at)
        if (bytes[at] == kPreamble && bytes[at + 1] == kPreamble)
            return at;
    return -1;
}

} // namespace

IcomCiv::IcomCiv(quint8 radioAddress, TuningRange range)
    : BasicCommandSet(range), m_address(radioAddress)
{}

Command IcomCiv::frame(quint8 command, QByteArrayView data) const
{
    QByteArray bytes(2, kPreamble);
    bytes += char(m_address);
    bytes += char(kControllerAddress);
    bytes += char(command);
    bytes += data;
    bytes += kEnd;
    return {bytes, kPauseMs};
}

Commands IcomCiv::startup() const
{
    return {frame(kReadFrequency), frame(kReadMode)};
}

quint8 IcomCiv::modeByte(const TuneRequest &request, const CatOptions &options)
{
    switch (request.xMode) {
    case kCw:
        return 0x03;
    case kDigital: {
        constexpr quint8 kDigitalModes[] = {0x00, 0x01, 0x04, 0x00}; // LSB, USB, FSK, PSK
        return kDigitalModes[subModeIndex(options)];
    }
    default:
        return isLowerSideband(request.kHz) ? 0x00 : 0x01;
    }
}

Commands IcomCiv::tune(const TuneRequest &request, const CatOptions &options) const
{
    if (!canTune(request))
        return {};
    Commands commands;
    if (setsMode(request)) {
        const char mode = char(modeByte(request, options));
        commands += frame(kSetMode, QByteArrayView(&mode, 1));
    }
    commands += frame(kSetFrequency, qrgTo5BCD(request.kHz));
    return commands + startup();
}

bool IcomCiv::feed(const QByteArray &bytes)
{
    m_tail += bytes;
    bool read = false;
    qsizetype from = 0;
    for (qsizetype end = m_tail.indexOf(kEnd); end >= 0; end = m_tail.indexOf(kEnd, from)) {
        // A preamble inside an unfinished frame starts the frame that counts.
        const qsizetype start = lastPreamble(m_tail, from, end);
        if (start >= 0)
            read = takeFrame(QByteArrayView(m_tail).sliced(start + 2, end - start - 2)) || read;
        from = end + 1;
    }
    keepUnfinishedFrame(from);
    return read;
}

void IcomCiv::keepUnfinishedFrame(qsizetype from)
{
    m_tail.remove(0, from);
    const qsizetype first = m_tail.indexOf(QByteArrayView("\xFE\xFE", 2));
    if (first < 0) {
        // A preamble may be cut between two reads.
        m_tail = m_tail.endsWith(kPreamble) ? QByteArray(1, kPreamble) : QByteArray();
        return;
    }
    m_tail.remove(0, first);
    if (m_tail.size() <= kMaxTail)
        return;
    // Too long for a frame of ours: only a later preamble can still start one.
    const qsizetype last = lastPreamble(m_tail, 1, m_tail.size());
    if (last > 0 && m_tail.size() - last <= kMaxTail)
        m_tail.remove(0, last);
    else
        m_tail.clear();
}

bool IcomCiv::takeFrame(QByteArrayView body)
{
    if (body.size() < 4)
        return false;
    const auto to = quint8(body[0]);
    const auto from = quint8(body[1]);
    const auto command = quint8(body[2]);
    const QByteArrayView data = body.sliced(3);
    const bool transceive = command == kTransceiveFrequency || command == kTransceiveMode;
    if (from != m_address || (to != kControllerAddress && !(transceive && to == kBroadcastAddress)))
        return false;

    if (command == kTransceiveFrequency || command == kReadFrequency) {
        // Five bytes; a four-byte reading would be taken in the FT-817's order.
        const std::optional<double> kHz = data.size() == 5 ? bcdToQRG(data) : std::nullopt;
        return kHz && takeKHz(*kHz);
    }
    if (command == kTransceiveMode || command == kReadMode) {
        const auto code = quint8(data[0]); // a filter byte may follow
        m_state.mode = QStringLiteral("??");
        for (const IcomMode &mode : kModes) {
            if (mode.code == code) {
                m_state.mode = QString::fromLatin1(mode.display);
                m_state.logMode = QString::fromLatin1(mode.log);
            }
        }
        return true;
    }
    return false;
}

void IcomCiv::reset()
{
    m_tail.clear();
}

QStringList IcomCiv::dataModeLabels() const
{
    return {"LSB", "USB", "FSK", "PSK"};
}

} // namespace trx
