#pragma once

#include <QSet>
#include <QString>

/** A downloaded member list ("lotw.txt", "eqsl.txt"): one callsign per line. */
class MemberList {
public:
    /** Reads the whole file as UTF-8 and splits it at the separator; an unreadable file gives
     *  an empty list. */
    [[nodiscard]] static MemberList load(const QString &path, const QString &separator);

    /** Exact, case-sensitive equality with one line. */
    [[nodiscard]] bool contains(const QString &callsign) const
    {
        return m_calls.contains(callsign);
    }
    /** Number of lines; an empty last line counts. */
    [[nodiscard]] int lineCount() const { return m_lineCount; }

private:
    QSet<QString> m_calls;
    int m_lineCount = 0;
};
