#include "cluster/LineFramer.h"

namespace cluster {
namespace {

constexpr unsigned char kIac = 255;
constexpr unsigned char kDont = 254;
constexpr unsigned char kDo = 253;
constexpr unsigned char kWont = 252;
constexpr unsigned char kWill = 251;
constexpr unsigned char kSb = 250;
constexpr unsigned char kSe = 240;

/** The length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead one. */
int utf8Length(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

LineFramer::Chunk LineFramer::push(QByteArrayView bytes)
{
    Chunk chunk;
    chunk.text = decode(m_telnetOn ? stripTelnet(bytes, chunk.reply) : bytes.toByteArray());
    qsizetype start = 0;
    for (qsizetype end = chunk.text.indexOf(u'\n'); end >= 0;
         end = chunk.text.indexOf(u'\n', start)) {
        m_tail += QStringView(chunk.text).mid(start, end - start);
        if (!m_tail.isEmpty())
            chunk.lines.append(m_tail);
        m_tail.clear();
        start = end + 1;
    }
    m_tail += QStringView(chunk.text).mid(start);
    if (m_tail.size() > kMaxTail) {
        // Nothing a node sends runs this long without a line feed; hand it on rather than
        // holding it for ever.
        chunk.lines.append(m_tail);
        m_tail.clear();
    }
    return chunk;
}

bool LineFramer::asksForCall() const
{
    const QString prompt = m_tail.trimmed().toLower();
    return prompt.endsWith(QLatin1String("login:")) ||
           prompt.endsWith(QLatin1String("enter your call:")) ||
           prompt.endsWith(QLatin1String("enter your callsign:")) ||
           prompt == QLatin1String("enter your call") ||
           prompt == QLatin1String("please enter your call");
}

void LineFramer::reset()
{
    m_telnet = Telnet::Data;
    m_command = 0;
    m_subLength = 0;
    m_refusedDo.reset();
    m_refusedWill.reset();
    m_pendingUtf8.clear();
    m_tail.clear();
}

QByteArray LineFramer::stripTelnet(QByteArrayView bytes, QByteArray &reply)
{
    QByteArray data;
    data.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (m_telnet) {
        case Telnet::Data:
            if (byte == kIac)
                m_telnet = Telnet::Command;
            else
                data.append(c);
            break;
        case Telnet::Command:
            if (byte == kIac) {
                data.append(c); // an escaped 255
                m_telnet = Telnet::Data;
            } else if (byte >= kWill && byte <= kDont) {
                m_command = byte;
                m_telnet = Telnet::Option;
            } else {
                m_telnet = byte == kSb ? Telnet::Sub : Telnet::Data;
                m_subLength = 0;
            }
            break;
        case Telnet::Option: {
            // We run no telnet options: refuse what the node offers or asks for, once.
            std::bitset<256> *answered = m_command == kDo     ? &m_refusedDo
                                         : m_command == kWill ? &m_refusedWill
                                                              : nullptr;
            if (answered && !answered->test(byte)) {
                answered->set(byte);
                reply.append(char(kIac)).append(char(m_command == kDo ? kWont : kDont)).append(c);
            }
            m_telnet = Telnet::Data;
            break;
        }
        case Telnet::Sub:
        case Telnet::SubCommand:
            if (++m_subLength > kMaxSub) {
                // No option of ours takes this long: the end was lost, read on as text.
                m_telnet = Telnet::Data;
                data.append(c);
                break;
            }
            if (m_telnet == Telnet::Sub)
                m_telnet = byte == kIac ? Telnet::SubCommand : Telnet::Sub;
            else
                m_telnet = byte == kSe ? Telnet::Data : Telnet::Sub;
            break;
        }
    }
    return data;
}

QString LineFramer::decode(const QByteArray &bytes)
{
    const QByteArray data = m_pendingUtf8 + bytes;
    m_pendingUtf8.clear();
    QString text;
    text.reserve(data.size());
    const auto *raw = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char byte = raw[i];
        const int length = utf8Length(byte);
        if (length == 0) {
            text.append(QChar(byte)); // ASCII, or a Latin-1 byte on its own
            ++i;
            continue;
        }
        qsizetype have = 1;
        while (have < length && i + have < size && isContinuation(raw[i + have]))
            ++have;
        if (have == length) {
            const QString decoded = QString::fromUtf8(data.constData() + i, length);
            // Overlong and surrogate forms decode to U+FFFD: read those bytes as Latin-1.
            if (!decoded.contains(QChar::ReplacementCharacter)) {
                text += decoded;
                i += length;
                continue;
            }
        } else if (i + have == size) {
            m_pendingUtf8 = data.mid(i); // may complete with the next read
            break;
        }
        text.append(QChar(byte));
        ++i;
    }
    return text;
}

} // namespace cluster
