#include "RadioSimulator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr quint8 kController = 0xE0;

/** `value` as `digits` decimal digits. */
QByteArray decimal(qint64 value, int digits)
{
    return QByteArray::number(value).rightJustified(digits, '0');
}

/** Packed decimal, two digits a byte, in the order of the digits given. */
QByteArray packed(const QByteArray &digits)
{
    QByteArray bytes;
    for (int i = 0; i + 1 < digits.size(); i += 2)
        bytes += char(((digits[i] - '0') << 4) | (digits[i + 1] - '0'));
    return bytes;
}

/** The digits of packed bytes; false when a nibble is not decimal. */
bool unpacked(const QByteArray &bytes, QByteArray &digits)
{
    for (const char byte : bytes) {
        const int high = quint8(byte) >> 4, low = byte & 0x0F;
        if (high > 9 || low > 9)
            return false;
        digits += char('0' + high);
        digits += char('0' + low);
    }
    return true;
}

QByteArray reversedBytes(QByteArray bytes)
{
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

} // namespace

RadioSimulator::RadioSimulator(Family family, quint8 icomAddress)
    : m_family(family), m_address(icomAddress)
{
    switch (family) {
    case Family::Icom:
    case Family::Ft817:
        mode = 1;
        break;
    case Family::Text:
    case Family::Ftdx1200:
        mode = 2;
        break;
    }
}

RadioSimulator::Family RadioSimulator::familyOf(const QString &model)
{
    if (model.startsWith("IC"))
        return Family::Icom;
    if (model == "FT-817")
        return Family::Ft817;
    if (model == "FTDX-1200")
        return Family::Ftdx1200;
    return Family::Text;
}

QByteArray RadioSimulator::respond(const QByteArray &incoming)
{
    m_input += incoming;
    QByteArray reply = knobs.echo ? incoming : QByteArray();
    for (const QByteArray &command : takeCommands()) {
        m_commands += command;
        reply += answer(command);
    }
    return deliver(reply);
}

QByteArray RadioSimulator::takeHeld()
{
    return std::exchange(m_held, {});
}

QByteArray RadioSimulator::report()
{
    switch (m_family) {
    case Family::Icom: {
        const QByteArray hz = decimal(std::llround(kHz * 1000), 10);
        return deliver(icomFrame(0x00, m_address, 0x00, reversedBytes(packed(hz))) +
                       icomFrame(0x00, m_address, 0x01, modeData()));
    }
    case Family::Text:
    case Family::Ftdx1200:
        return deliver(info() + ';');
    case Family::Ft817:
        break;
    }
    return {};
}

QByteArray RadioSimulator::deliver(QByteArray reply)
{
    if (knobs.corruptAt >= 0 && knobs.corruptAt < reply.size())
        reply[knobs.corruptAt] = char(~reply[knobs.corruptAt]);
    reply = std::exchange(m_held, {}) + reply;
    if (knobs.mergeReplies) {
        m_held = reply;
        return {};
    }
    if (knobs.splitAfter > 0 && reply.size() > knobs.splitAfter) {
        m_held = reply.mid(knobs.splitAfter);
        reply.truncate(knobs.splitAfter);
    }
    return reply;
}

QByteArrayList RadioSimulator::takeCommands()
{
    QByteArrayList commands;
    if (m_family == Family::Ft817) {
        while (m_input.size() >= 5) {
            commands += m_input.first(5);
            m_input.remove(0, 5);
        }
        return commands;
    }
    const char end = m_family == Family::Icom ? char(0xFD) : ';';
    for (qsizetype at = m_input.indexOf(end); at >= 0; at = m_input.indexOf(end)) {
        commands += m_input.first(at);
        m_input.remove(0, at + 1);
    }
    return commands;
}

QByteArray RadioSimulator::answer(const QByteArray &command)
{
    switch (m_family) {
    case Family::Icom:
        return answerIcom(command);
    case Family::Text:
        return answerText(command);
    case Family::Ft817:
        return answerFt817(command);
    case Family::Ftdx1200:
        return answerFtdx(command);
    }
    return {};
}

QByteArray RadioSimulator::icomFrame(quint8 to, quint8 from, quint8 command,
                                     const QByteArray &data) const
{
    return QByteArray("\xFE\xFE") + char(to) + char(from) + char(command) + data + char(0xFD);
}

QByteArray RadioSimulator::answerIcom(const QByteArray &frame)
{
    if (frame.size() < 5 || !frame.startsWith("\xFE\xFE") || quint8(frame[2]) != m_address ||
        quint8(frame[3]) != kController)
        return {};
    QByteArray bus;
    if (knobs.otherAddress != 0) {
        // Another radio answering another program, and announcing its mode to everyone.
        bus +=
            icomFrame(kController, knobs.otherAddress, 0x03, reversedBytes(packed("0007000000")));
        bus += icomFrame(0x00, knobs.otherAddress, 0x01, QByteArray(1, 0x05));
    }
    const auto command = quint8(frame[4]);
    const QByteArray data = frame.mid(5);
    const QByteArray ok = icomFrame(kController, m_address, 0xFB, {});
    switch (command) {
    case 0x03:
        return bus + icomFrame(kController, m_address, 0x03,
                               reversedBytes(packed(decimal(std::llround(kHz * 1000), 10))));
    case 0x04:
        return bus + icomFrame(kController, m_address, 0x04, modeData());
    case 0x05: {
        QByteArray digits;
        if (data.size() != 5 || !unpacked(reversedBytes(data), digits))
            return bus + icomFrame(kController, m_address, 0xFA, {});
        kHz = digits.toLongLong() / 1000.0;
        return bus + ok;
    }
    case 0x06:
        if (data.isEmpty())
            return bus + icomFrame(kController, m_address, 0xFA, {});
        mode = quint8(data[0]);
        return bus + ok;
    }
    return bus + icomFrame(kController, m_address, 0xFA, {});
}

QByteArray RadioSimulator::modeData() const
{
    // The mode and the filter, which the readers pass over.
    return QByteArray(1, char(mode)) + char(0x01);
}

QByteArray RadioSimulator::info() const
{
    const qint64 hz = std::llround(kHz * 1000);
    if (m_family == Family::Ftdx1200) {
        const char code = "0123456789ABCDEF"[mode & 0x0F];
        return "IF001" + decimal(hz, 8) + "+0000" + "00" + code + "00000";
    }
    // K3: IF[f]*****+yyyyrx*00tmvspbd1*
    return "IF" + decimal(hz, 11) + "     +0000" + "00 000" + char('0' + mode) + "0000" +
           char('0' + dataSubMode) + "1 ";
}

QByteArray RadioSimulator::answerText(const QByteArray &command)
{
    const QByteArray name = command.left(2);
    const QByteArray value = command.mid(2);
    if (command.isEmpty() || command == "K31" || command == "K20" || name == "AI")
        return {};
    if (canned.contains(command))
        return canned.value(command);
    if (command == "IF")
        return info() + ';';
    if (name == "FA") {
        if (value.isEmpty())
            return "FA" + decimal(std::llround(kHz * 1000), 11) + ';';
        if (value.size() == 11) {
            kHz = value.toLongLong() / 1000.0;
            return {};
        }
    }
    if (name == "MD") {
        if (value.isEmpty())
            return "MD" + QByteArray::number(mode) + ';';
        mode = value.toInt();
        return {};
    }
    if (name == "DT") {
        if (value.isEmpty())
            return "DT" + QByteArray::number(dataSubMode) + ';';
        dataSubMode = value.toInt();
        return {};
    }
    if (name == "DA" && value.size() == 1) {
        dataFlag = value == "1";
        return {};
    }
    return "?;";
}

QByteArray RadioSimulator::answerFt817(const QByteArray &command)
{
    switch (command[4]) {
    case 0x03:
        return packed(decimal(std::llround(kHz * 100), 8)) + char(mode);
    case 0x01: {
        QByteArray digits;
        if (unpacked(command.first(4), digits))
            kHz = digits.toLongLong() / 100.0;
        break;
    }
    case 0x07:
        mode = quint8(command[0]);
        break;
    }
    return {};
}

QByteArray RadioSimulator::answerFtdx(const QByteArray &command)
{
    if (command.isEmpty() || command == "AI1")
        return {};
    if (command == "IF")
        return info() + ';';
    if (command == "FA")
        return "FA" + decimal(std::llround(kHz * 1000), 8) + ';';
    if (command.startsWith("FA") && command.size() == 10) {
        kHz = command.mid(2).toLongLong() / 1000.0;
        return {};
    }
    if (command == "MD0")
        return QByteArray("MD0") + "0123456789ABCDEF"[mode & 0x0F] + ';';
    if (command.startsWith("MD0") && command.size() == 4) {
        bool ok = false;
        const int code = command.mid(3).toInt(&ok, 16);
        if (ok)
            mode = code;
        return {};
    }
    return "?;";
}
