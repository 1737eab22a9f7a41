#pragma once

#include "trx/BasicCommandSet.h"

namespace trx {

/** Icom's CI-V command set: frames FE FE to from command data FD. Reads the frequency (03) and
 *  the mode (04), tunes with 05 and 06, and takes the radio's transceive frames (00, 01).
 *
 *  A CI-V line is a bus: it echoes our own requests and may carry other radios' frames, so a
 *  frame counts only when it comes from our radio's address and goes to us (or, for the
 *  transceive frames, to everyone). */
class IcomCiv : public BasicCommandSet {
public:
    static constexpr quint8 kControllerAddress = 0xE0;
    static constexpr quint8 kBroadcastAddress = 0x00;
    /** Longer than any frame we read; an unfinished frame beyond this is dropped. */
    static constexpr qsizetype kMaxTail = 64;
    static constexpr int kPauseMs = 50;

    IcomCiv(quint8 radioAddress, TuningRange range);

    [[nodiscard]] Commands startup() const override;
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override;
    bool feed(const QByteArray &bytes) override;
    void reset() override;
    [[nodiscard]] QStringList dataModeLabels() const override;

    [[nodiscard]] quint8 radioAddress() const { return m_address; }
    /** The bytes kept of an unfinished frame (at most kMaxTail). */
    [[nodiscard]] qsizetype pendingBytes() const { return m_tail.size(); }

private:
    [[nodiscard]] Command frame(quint8 command, QByteArrayView data = {}) const;
    [[nodiscard]] static quint8 modeByte(const TuneRequest &request, const CatOptions &options);
    /** A frame without its preamble and FD: to, from, command, data. */
    bool takeFrame(QByteArrayView body);
    void keepUnfinishedFrame(qsizetype from);

    quint8 m_address;
    QByteArray m_tail;
};

} // namespace trx
