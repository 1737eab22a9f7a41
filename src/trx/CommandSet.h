#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace trx {

/** One command for the radio and the pause the radio needs before the next one. */
struct Command {
    QByteArray bytes;
    int pauseAfterMs = 0;

    bool operator==(const Command &) const = default;
};
using Commands = QList<Command>;

/** What the radio last told us. Nothing is set until it was read. */
struct RadioState {
    double kHz = 0;        // 0: not read yet
    QString mode;          // for the display ("USB", "FSK D", "??")
    QString logMode;       // for the log: "SSB", "CW", "FM", "AM", "RTTY", "PSK31", "PKT"; empty
                           // until read
    bool dataMode = false; // Elecraft/Kenwood: the mode is a data mode

    bool operator==(const RadioState &) const = default;
};

/** A tuning request: the frequency and the mode class (0 none, 1 CW, 2 digital, 3 phone). */
struct TuneRequest {
    double kHz = 0;
    int xMode = 0;
};

/** The user's choices that change the commands. */
struct CatOptions {
    int dataSubMode = 0;      // the data-mode selector's index ("TRX_Data_Sub_Mode")
    bool useDataMode = false; // Kenwood-style: "DA1;" for digital modes ("UseDataMode")
};

/** The command set of one make and model: the bytes to send and the reader of the replies. It
 *  keeps the unfinished tail of what arrived (capped) and the radio state read so far. Pure:
 *  no timers, no I/O; the controller sends the commands and feeds the replies. */
class CommandSet {
public:
    virtual ~CommandSet() = default;

    /** Sent when the link comes up. */
    [[nodiscard]] virtual Commands startup() const = 0;
    /** Sent on each poll-timer tick. */
    [[nodiscard]] virtual Commands poll() const = 0;
    /** Tunes (and sets the mode when xMode > 0), in the order this make needs. */
    [[nodiscard]] virtual Commands tune(const TuneRequest &request,
                                        const CatOptions &options) const = 0;
    /** Takes bytes as they arrived; true when a frequency or a mode was read from them. */
    virtual bool feed(const QByteArray &bytes) = 0;
    /** Forgets the unfinished tail (a new connection). */
    virtual void reset() = 0;

    [[nodiscard]] virtual const RadioState &state() const = 0;
    /** The frequency for the display, e.g. "14,074.000" ("14,074.00" for the FT-817). */
    [[nodiscard]] virtual QString frequencyText() const = 0;
    /** The data-mode selector's labels for this make and model. */
    [[nodiscard]] virtual QStringList dataModeLabels() const = 0;
    /** Whether this radio must be polled even when the user did not choose polling. */
    [[nodiscard]] virtual bool alwaysPolled() const = 0;
    /** The range the radio can be tuned to, in kHz. */
    [[nodiscard]] virtual double lowestKHz() const = 0;
    [[nodiscard]] virtual double highestKHz() const = 0;
};

} // namespace trx
