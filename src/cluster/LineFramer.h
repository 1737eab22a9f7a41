#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <bitset>

namespace cluster {

/** Frames the bytes of a telnet-style cluster connection into text and lines. Telnet commands
 *  (IAC sequences, also split across reads) are taken out and every option the node asks for is
 *  refused, once per option (a node repeating its request gets no second answer, so a flood of
 *  requests cannot pile up answers); a subnegotiation that runs past kMaxSub bytes without its
 *  end is dropped and the bytes after it read as text again. Without telnet (text from a file)
 *  every byte is text. Each byte decodes as UTF-8 where it starts a valid sequence and as Latin-1
 *  otherwise, so no text is ever dropped. A line ends at "\n"; carriage returns stay in it.
 *  The unterminated tail waits for the next read, up to kMaxTail characters (then it is handed
 *  on as a line of its own). */
class LineFramer {
public:
    static constexpr qsizetype kMaxTail = 8 * 1024;
    static constexpr qsizetype kMaxSub = 1024;

    explicit LineFramer(bool telnet = true) : m_telnetOn(telnet) {}

    struct Chunk {
        QString text;      // what arrived, decoded, for the terminal
        QStringList lines; // complete non-empty lines
        QByteArray reply;  // telnet refusals to send back
    };

    [[nodiscard]] Chunk push(QByteArrayView bytes);
    /** The text received after the last line feed. */
    [[nodiscard]] const QString &tail() const { return m_tail; }
    /** Whether the tail is a prompt for the callsign: "login: ", "Please enter your call: ",
     *  "enter your call" and the like, but not those words inside a longer text. */
    [[nodiscard]] bool asksForCall() const;
    /** Forgets the tail: a prompt that was answered is not the start of the next line. */
    void clearTail() { m_tail.clear(); }
    void reset();

private:
    enum class Telnet { Data, Command, Option, Sub, SubCommand };

    QByteArray stripTelnet(QByteArrayView bytes, QByteArray &reply);
    QString decode(const QByteArray &bytes);

    bool m_telnetOn = true;
    Telnet m_telnet = Telnet::Data;
    unsigned char m_command = 0;
    qsizetype m_subLength = 0;
    std::bitset<256> m_refusedDo;   // options we answered WONT
    std::bitset<256> m_refusedWill; // options we answered DONT
    QByteArray m_pendingUtf8;       // a UTF-8 sequence cut by the end of a read
    QString m_tail;
};

} // namespace cluster
