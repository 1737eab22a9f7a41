#pragma once

#include "trx/CommandSet.h"

#include <QByteArrayView>
#include <QString>

namespace trx {

/** The Elecraft text terminal: shows what the radio decodes ("TB" replies) and feeds the text to
 *  send to the radio's keyer buffer ("KY …;") two characters at a time while the radio has room.
 *  Pure: the panel sends what it returns. */
class ElecraftTerminal {
public:
    enum class Colour { Received, Transmit, Echo, Receive };
    static constexpr qsizetype kMaxOutput = 20000; // characters kept of the terminal's text

    /** A new block of bytes from the radio begins: a decoded text cut at a ";" continues only
     *  inside the block it came in, never into replies of later blocks. */
    void beginBlock() { m_missing = 0; }
    /** Takes a piece that may continue the last "TB" text; false when it is no continuation. */
    bool takeContinuation(QByteArrayView piece);
    /** A "TB" reply (without its ";"); the commands to send now. upperCase: CW and FSK D. */
    [[nodiscard]] Commands takeTb(QByteArrayView reply, bool upperCase);

    /** Typed text or a macro for the send field; ";" and control characters are dropped (a ";"
     *  would end the keyer command and run the rest as a command). */
    void appendToSend(const QString &text);
    /** A text macro: "%RX" returns to receive once sent, "%TX" starts the transmission. */
    void appendMacro(QString text);
    void setSendText(const QString &text);
    [[nodiscard]] const QString &sendText() const { return m_send; }

    /** Starts sending: the decoder must run to learn when the radio has room. */
    void transmit();
    /** Stops at once; the command to send. */
    [[nodiscard]] Commands abort();
    [[nodiscard]] bool sending() const { return m_sending; }
    [[nodiscard]] bool returnsToReceive() const { return m_rxToGo; }

    /** The terminal text as rich text, coloured per piece. */
    [[nodiscard]] QString html() const;
    [[nodiscard]] QString plainText() const;
    void clear();

private:
    void write(const QString &text, Colour colour);
    void writeLine(const QString &text, Colour colour);
    [[nodiscard]] static QString sanitised(const QString &text);

    struct Piece {
        QString text;
        Colour colour;
    };
    QList<Piece> m_output;
    QString m_send;
    bool m_sending = false;
    bool m_rxToGo = false;
    qsizetype m_missing = 0; // characters of the last "TB" text still to come in this block
};

} // namespace trx
