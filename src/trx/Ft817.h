#pragma once

#include "trx/BasicCommandSet.h"

namespace trx {

/** The Yaesu FT-817's five-byte commands. It never reports on its own, so it is always polled;
 *  its only reply, to the read command, is five bytes: four BCD bytes of frequency and the mode.
 *
 *  Replies carry no framing, so the reader pairs each with the read that asked for it:
 *  - handing out a read (startup() or poll(): the controller sends what they give) starts a new
 *    wait for one reply and drops what is left unfinished of an earlier one;
 *  - bytes that come while no reply is awaited are dropped: nothing asked for them, and so is
 *    the read itself when a one-wire interface echoes it;
 *  - five bytes whose frequency is not decimal, zero or outside the radio's range are no reply:
 *    the first byte is dropped and the framing moves on by one, so stray bytes ahead of a reply
 *    are skipped;
 *  - the first reply taken ends the wait; bytes after it in the same read are dropped. */
class Ft817 : public BasicCommandSet {
public:
    static constexpr qsizetype kReplySize = 5;

    explicit Ft817(TuningRange range);

    /** The read; each call starts the wait for its reply. */
    [[nodiscard]] Commands startup() const override;
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override;
    bool feed(const QByteArray &bytes) override;
    void reset() override;
    [[nodiscard]] QString frequencyText() const override;
    [[nodiscard]] QStringList dataModeLabels() const override;
    [[nodiscard]] bool alwaysPolled() const override { return true; }

    /** The bytes kept of an unfinished reply (fewer than kReplySize). */
    [[nodiscard]] qsizetype pendingBytes() const { return m_tail.size(); }
    [[nodiscard]] bool awaitsReply() const { return m_awaitingReply; }

private:
    [[nodiscard]] static quint8 modeByte(const TuneRequest &request, const CatOptions &options);
    bool takeReply(QByteArrayView reply);

    // Changed where the read is handed out: the controller sends what startup() and poll() give.
    mutable QByteArray m_tail;
    mutable bool m_awaitingReply = false;
};

} // namespace trx
