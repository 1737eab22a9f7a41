#pragma once

#include "trx/CommandSet.h"

namespace trx {

/** Hamlib's rigctld network protocol: rigctld speaks for the radio, so one command set serves
 *  every radio Hamlib knows. Queries "f" and "m" read the frequency and the mode, "F" and "M" set
 *  them; each command is a line, each reply one or more lines.
 *
 *  The replies are told apart by their shape, not by remembering what was sent: the controller
 *  may drop commands while the link is down, and a remembered queue would then pair every later
 *  reply with the wrong query. A number is the frequency in Hz ("f"), a mode name is followed by
 *  its passband line ("m"), and "RPRT n" answers a set command or reports a failed query; it
 *  carries nothing to read. */
class RigctldCommands : public CommandSet {
public:
    /** A line longer than this is no rigctld reply; it is dropped. */
    static constexpr qsizetype kMaxLineLength = 256;

    [[nodiscard]] Commands startup() const override;
    [[nodiscard]] Commands poll() const override;
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override;
    bool feed(const QByteArray &bytes) override;
    void reset() override;

    [[nodiscard]] const RadioState &state() const override { return m_state; }
    [[nodiscard]] QString frequencyText() const override;
    [[nodiscard]] QStringList dataModeLabels() const override { return {}; }
    [[nodiscard]] bool alwaysPolled() const override { return true; }
    [[nodiscard]] double lowestKHz() const override;
    [[nodiscard]] double highestKHz() const override;

    /** The mode for the log of a rigctld mode name ("PKTUSB" → "PSK31"); empty when unknown. */
    [[nodiscard]] static QString logModeOf(const QString &rigctldMode);

private:
    bool readLine(const QByteArray &line);

    RadioState m_state;
    QByteArray m_tail;
    bool m_passbandNext = false; // the line after a mode name is its passband
    bool m_dropping = false;     // the rest of an over-long line is skipped
};

} // namespace trx
