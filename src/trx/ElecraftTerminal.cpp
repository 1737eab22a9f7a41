#include "trx/ElecraftTerminal.h"

#include "trx/CatNumbers.h"

#include <QCoreApplication>

namespace trx {
namespace {

constexpr int kChunk = 2;   // characters per keyer command
constexpr int kRoomFor = 2; // the radio takes more while it buffers at most this many
constexpr qsizetype kTextAt = 5;

QString colourName(ElecraftTerminal::Colour colour)
{
    switch (colour) {
    case ElecraftTerminal::Colour::Received:
        return QStringLiteral("yellow");
    case ElecraftTerminal::Colour::Transmit:
        return QStringLiteral("red");
    case ElecraftTerminal::Colour::Echo:
        return QStringLiteral("white");
    case ElecraftTerminal::Colour::Receive:
        return QStringLiteral("lime");
    }
    return {};
}

} // namespace

bool ElecraftTerminal::takeContinuation(QByteArrayView piece)
{
    // Longer than what is missing: a reply of its own, not the rest of the text.
    if (m_missing <= 0 || piece.size() > m_missing - 1) {
        m_missing = 0;
        return false;
    }
    // The ";" the framer cut at was part of the text.
    const QString text = QLatin1Char(';') + QString::fromLatin1(piece);
    m_missing -= text.size();
    write(text, Colour::Received);
    return true;
}

Commands ElecraftTerminal::takeTb(QByteArrayView reply, bool upperCase)
{
    m_missing = 0;
    const std::optional<int> buffered = digitAt(reply, 2);
    const std::optional<qint64> count = digitsAt(reply, 3, 2);
    if (reply.size() < kTextAt || !buffered || !count)
        return {};
    if (!m_sending) {
        const QByteArrayView text =
            reply.sliced(kTextAt).first(qMin(*count, reply.size() - kTextAt));
        write(QString::fromLatin1(text), Colour::Received);
        m_missing = *count - text.size();
        return {};
    }
    if (*buffered <= kRoomFor && !m_send.isEmpty()) {
        QString chunk = m_send.left(kChunk);
        m_send.remove(0, chunk.size());
        if (upperCase)
            chunk = chunk.toUpper();
        write(chunk, Colour::Echo);
        return {{"KY " + sanitised(chunk).toLatin1() + ';', 0}};
    }
    if (m_send.isEmpty() && *buffered == 0 && m_rxToGo) {
        m_rxToGo = false;
        m_sending = false;
        writeLine(QCoreApplication::translate("trx::ElecraftTerminal", "### Receive ###"),
                  Colour::Receive);
        return {{"RX;", 0}};
    }
    return {};
}

void ElecraftTerminal::appendToSend(const QString &text)
{
    m_send += sanitised(text);
}

void ElecraftTerminal::appendMacro(QString text)
{
    if (text.contains(QLatin1String("%RX"))) {
        text.remove(QLatin1String("%RX"));
        m_rxToGo = true;
    }
    const bool start = text.contains(QLatin1String("%TX"));
    text.remove(QLatin1String("%TX"));
    appendToSend(text);
    if (start)
        transmit();
}

void ElecraftTerminal::setSendText(const QString &text)
{
    m_send = sanitised(text);
}

void ElecraftTerminal::transmit()
{
    if (m_sending)
        return;
    m_sending = true;
    m_missing = 0;
    writeLine(QCoreApplication::translate("trx::ElecraftTerminal", "### Transmit ###"),
              Colour::Transmit);
}

Commands ElecraftTerminal::abort()
{
    m_sending = false;
    m_rxToGo = false;
    return {{"RX;", 0}};
}

QString ElecraftTerminal::html() const
{
    QString html;
    for (const Piece &piece : m_output)
        html +=
            QStringLiteral("<span style=\"color:%1\">%2</span>")
                .arg(colourName(piece.colour),
                     piece.text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")));
    return html;
}

QString ElecraftTerminal::plainText() const
{
    QString text;
    for (const Piece &piece : m_output)
        text += piece.text;
    return text;
}

void ElecraftTerminal::clear()
{
    m_output.clear();
}

void ElecraftTerminal::write(const QString &text, Colour colour)
{
    if (text.isEmpty())
        return;
    if (!m_output.isEmpty() && m_output.last().colour == colour)
        m_output.last().text += text;
    else
        m_output.append({text, colour});
    // A terminal left running for hours must not grow without end.
    qsizetype total = 0;
    for (const Piece &piece : m_output)
        total += piece.text.size();
    while (total > kMaxOutput && !m_output.isEmpty()) {
        Piece &first = m_output.first();
        const qsizetype cut = qMin(first.text.size(), total - kMaxOutput);
        first.text.remove(0, cut);
        total -= cut;
        if (first.text.isEmpty())
            m_output.removeFirst();
    }
}

void ElecraftTerminal::writeLine(const QString &text, Colour colour)
{
    const QString text0 = plainText();
    write(
        (text0.isEmpty() || text0.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")) +
            text + QLatin1Char('\n'),
        colour);
}

QString ElecraftTerminal::sanitised(const QString &text)
{
    QString clean;
    for (const QChar c : text) {
        // The keyer takes printable ASCII only; anything else could end the command.
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char(';'))
            clean += c;
    }
    return clean;
}

} // namespace trx
