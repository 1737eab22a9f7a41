#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QString>

/** A radio at the far end of a link, for tests: it keeps a frequency and a mode, takes the
 *  commands of its family's command set as they arrive (in any pieces), answers the reads and
 *  can be told to misbehave the way real lines do: split or merge its replies, echo the request
 *  (a CI-V bus), flip a byte, share the bus with a second radio.
 *
 *  Put it behind a link by handing every received piece to respond() and sending back what it
 *  returns; bytes it holds back (splitAfter, mergeReplies) come with the next reply or from
 *  takeHeld(). */
class RadioSimulator {
public:
    enum class Family {
        Icom,     // CI-V frames; answers only frames to its address from E0
        Text,     // Elecraft K2/K3/KX2/KX3 and Kenwood-style: FA, MD, DT, DA, IF
        Ft817,    // five-byte commands; answers the read (03) with five bytes
        Ftdx1200, // FA (8 digits), MD0x, IF
    };

    /** How the replies go wrong. */
    struct Knobs {
        int splitAfter = 0;        // > 0: each reply is cut after this many bytes, the rest held
        bool mergeReplies = false; // hold every reply; takeHeld() gives them in one piece
        bool echo = false;         // the request comes back before the reply, as on a CI-V bus
        int corruptAt = -1;        // >= 0: this byte of each reply is inverted
        quint8 otherAddress = 0;   // Icom: a second radio that talks before every reply of ours
    };

    explicit RadioSimulator(Family family, quint8 icomAddress = 0xA4);
    /** The family of a model as offered ("IC-705", "KX3", "Generic", "FT-817", "FTDX-1200"). */
    [[nodiscard]] static Family familyOf(const QString &model);

    /** What the radio sends back for these bytes, with the knobs applied. */
    [[nodiscard]] QByteArray respond(const QByteArray &incoming);
    /** The bytes held back so far; nothing is held afterwards. */
    [[nodiscard]] QByteArray takeHeld();
    /** What the radio sends unasked after a turn of its knob: CI-V transceive frames to all
     *  (00, 01), an "IF" report of text radios; nothing from the FT-817. Knobs apply. */
    [[nodiscard]] QByteArray report();

    /** The commands taken so far, each as it was framed. */
    [[nodiscard]] const QByteArrayList &commands() const { return m_commands; }

    Knobs knobs;
    double kHz = 14074.0;
    /** In the family's own numbers: the CI-V mode byte, the MD digit, the FT-817 mode byte, the
     *  FTDX-1200 code's hex value (0x0C for "0C"). Starts at USB. */
    int mode = 0;
    int dataSubMode = 0;   // Elecraft DT
    bool dataFlag = false; // Kenwood DA
    /** Text radios: replies to further reads by the command without its ";" ("BW" → "BW0270;"),
     *  such as the Elecraft panel's. */
    QHash<QByteArray, QByteArray> canned;

private:
    QByteArray answer(const QByteArray &command);
    QByteArray answerIcom(const QByteArray &frame);
    QByteArray answerText(const QByteArray &command);
    QByteArray answerFt817(const QByteArray &command);
    QByteArray answerFtdx(const QByteArray &command);
    QByteArray icomFrame(quint8 to, quint8 from, quint8 command, const QByteArray &data) const;
    QByteArray modeData() const;
    QByteArray info() const;
    QByteArray deliver(QByteArray reply);
    /** Cuts the complete commands off the input. */
    QByteArrayList takeCommands();

    Family m_family;
    quint8 m_address;
    QByteArray m_input;
    QByteArray m_held;
    QByteArrayList m_commands;
};
