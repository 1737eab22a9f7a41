#include "trx/ReplyFramer.h"

namespace trx {

QByteArrayList ReplyFramer::push(QByteArrayView bytes)
{
    QByteArrayList replies;
    qsizetype from = 0;
    for (qsizetype end = bytes.indexOf(';'); end >= 0; end = bytes.indexOf(';', from)) {
        if (!m_skipping) {
            m_tail += bytes.sliced(from, end - from);
            if (!m_tail.isEmpty() && m_tail.size() <= kMaxTail)
                replies += m_tail;
        }
        m_tail.clear();
        m_skipping = false;
        from = end + 1;
    }
    if (m_skipping)
        return replies;
    const QByteArrayView rest = bytes.sliced(from);
    if (m_tail.size() + rest.size() > kMaxTail) {
        m_tail.clear();
        m_skipping = true;
    } else {
        m_tail += rest;
    }
    return replies;
}

void ReplyFramer::reset()
{
    m_tail.clear();
    m_skipping = false;
}

} // namespace trx
