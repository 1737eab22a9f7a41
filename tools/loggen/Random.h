#pragma once

#include <QtGlobal>

#include <random>

namespace loggen {

/** The generator's one source of chance. The reductions are written out here rather than taken
 *  from <random>'s distributions, whose results differ between standard libraries: a seed must
 *  give the same logbook everywhere. */
class Random {
public:
    explicit Random(quint64 seed) : m_engine(seed) {}

    /** 0 … n-1; n must be positive. */
    [[nodiscard]] quint64 below(quint64 n)
    {
        // The bias of a plain remainder is below 1e-12 for the ranges used here.
        return m_engine() % n;
    }
    /** low … high, both included. */
    [[nodiscard]] qint64 between(qint64 low, qint64 high)
    {
        return low + static_cast<qint64>(below(static_cast<quint64>(high - low) + 1));
    }
    /** True with the given chance in percent. */
    [[nodiscard]] bool percent(double chance) { return unit() * 100.0 < chance; }
    /** [0, 1) with 53 bits. */
    [[nodiscard]] double unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

    /** Index of the weight picked; the weights need not add up to anything in particular. */
    template <typename Weights> [[nodiscard]] qsizetype weighted(const Weights &weights)
    {
        double total = 0;
        for (const auto w : weights)
            total += w;
        double at = unit() * total;
        qsizetype index = 0;
        qsizetype lastPossible = 0;
        for (const auto w : weights) {
            if (at < w)
                return index;
            at -= w;
            if (w > 0)
                lastPossible = index;
            ++index;
        }
        return lastPossible; // rounding left `at` just past the end
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace loggen
