#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

namespace trx {

/** Cuts the text command sets' input into replies ending in ";". The unfinished tail is carried
 *  to the next read; a tail that grows past kMaxTail is no reply of ours and is dropped up to
 *  the next ";". */
class ReplyFramer {
public:
    static constexpr qsizetype kMaxTail = 128;

    /** The replies completed by these bytes, without their ";"; empty ones left out. */
    [[nodiscard]] QByteArrayList push(QByteArrayView bytes);
    [[nodiscard]] qsizetype pendingBytes() const { return m_tail.size(); }
    void reset();

private:
    QByteArray m_tail;
    bool m_skipping = false; // inside an overlong line: drop up to its ";"
};

} // namespace trx
