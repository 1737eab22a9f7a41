#pragma once

#include <optional>

class Args;
class QEventLoop;

namespace cli {

/** "--count N" and "--seconds S" of the commands that wait for what arrives (spots, QSOs, card
 *  texts): they stop after N items or S seconds, whichever comes first; 0 means no limit. */
struct WaitLimits {
    int count = 0;
    double seconds = 0;

    /** Both options from the words; none when either is not a number of at least 0 (or the
     *  seconds exceed 23 days). */
    [[nodiscard]] static std::optional<WaitLimits> read(const Args &args);
    /** Ends the loop once the seconds have passed, when they are set. */
    void arm(QEventLoop &loop) const;
    /** Whether `arrived` items are all that was asked for. */
    [[nodiscard]] bool reached(int arrived) const { return count > 0 && arrived >= count; }
    /** Whether the wait ended as asked: no count, or the count reached. */
    [[nodiscard]] bool met(int arrived) const { return count == 0 || arrived >= count; }
};

} // namespace cli
