#pragma once

#include <QString>

namespace trx {

/** The frequencies a radio can be tuned to, in kHz: wide enough for its receiver, narrow enough
 *  that a mistyped or spot-borne frequency is not sent to it. */
struct TuningRange {
    double lowestKHz = 30;
    double highestKHz = 60000;

    [[nodiscard]] bool contains(double kHz) const
    {
        return kHz >= lowestKHz && kHz <= highestKHz; // false for NaN
    }
};

/** The range of a model as offered ("IC-9700", "KX3", "FT-817"); HF and 6 m for any other. */
[[nodiscard]] TuningRange tuningRangeOf(const QString &model);

} // namespace trx
