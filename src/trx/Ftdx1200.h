#pragma once

#include "trx/BasicCommandSet.h"
#include "trx/ReplyFramer.h"

namespace trx {

/** The text commands of Yaesu's FTDX-1200 class (eight-digit frequencies) and of the FT-991 and
 *  FTDX-101 class (nine digits), with two-character mode codes. */
class Ftdx1200 : public BasicCommandSet {
public:
    static constexpr qsizetype kMaxTail = ReplyFramer::kMaxTail;
    static constexpr int kPauseMs = 50;

    explicit Ftdx1200(TuningRange range, int frequencyDigits = 8);

    [[nodiscard]] Commands startup() const override;
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override;
    bool feed(const QByteArray &bytes) override;
    void reset() override;
    [[nodiscard]] QStringList dataModeLabels() const override;

    /** The bytes kept of an unfinished reply (at most kMaxTail). */
    [[nodiscard]] qsizetype pendingBytes() const { return m_framer.pendingBytes(); }

private:
    bool takeReply(QByteArrayView reply);
    void applyMode(QByteArrayView code);

    ReplyFramer m_framer;
    int m_digits;
};

} // namespace trx
