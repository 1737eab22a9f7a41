#pragma once

#include "trx/BasicCommandSet.h"

namespace trx {

/** The Yaesu FT-817's five-byte commands. It never reports on its own, so it is always polled;
 *  its only reply, to the read command, is five bytes: four BCD bytes of frequency and the mode.
 *
 *  Replies carry no framing, so the reader pairs them with the reads asked for: bytes that come
 *  while no read is outstanding are dropped (nothing asked for them), and five bytes whose
 *  frequency is not decimal or is zero are no reply: the first byte is dropped and the framing
 *  moves on by one byte, so a stray byte costs one reply at most. */
class Ft817 : public BasicCommandSet {
public:
    /** Reads asked for but not answered that still count; a radio that is off answers none. */
    static constexpr int kMaxOutstanding = 2;
    static constexpr qsizetype kReplySize = 5;

    explicit Ft817(TuningRange range);

    /** The read; each call counts one read asked for. */
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
    [[nodiscard]] int outstandingReads() const { return m_outstanding; }

private:
    [[nodiscard]] static quint8 modeByte(const TuneRequest &request, const CatOptions &options);
    bool takeReply(QByteArrayView reply);

    QByteArray m_tail;
    // Counted where the read is handed out: the controller sends what startup() and poll() give.
    mutable int m_outstanding = 0;
};

} // namespace trx
