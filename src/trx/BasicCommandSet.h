#pragma once

#include "trx/CommandSet.h"
#include "trx/TuningRange.h"

namespace trx {

/** What every command set shares: the radio state, the tuning range, the frequency text and the
 *  mode-class rules of tuning requests. */
class BasicCommandSet : public CommandSet {
public:
    enum ModeClass { kNoMode = 0, kCw = 1, kDigital = 2, kPhone = 3 };

    explicit BasicCommandSet(TuningRange range) : m_range(range) {}

    /** The poll reads what the start-up reads. */
    [[nodiscard]] Commands poll() const override { return startup(); }
    [[nodiscard]] const RadioState &state() const override { return m_state; }
    [[nodiscard]] QString frequencyText() const override;
    [[nodiscard]] bool alwaysPolled() const override { return false; }
    [[nodiscard]] double lowestKHz() const override { return m_range.lowestKHz; }
    [[nodiscard]] double highestKHz() const override { return m_range.highestKHz; }

protected:
    /** Requests outside the range (or not a number) send nothing. */
    [[nodiscard]] bool canTune(const TuneRequest &request) const
    {
        return m_range.contains(request.kHz);
    }
    /** Whether the request sets a mode; unknown classes set none. */
    [[nodiscard]] static bool setsMode(const TuneRequest &request)
    {
        return request.xMode >= kCw && request.xMode <= kPhone;
    }
    /** Phone is lower sideband below 10 MHz. */
    [[nodiscard]] static bool isLowerSideband(double kHz) { return kHz < 10000; }
    /** The data-mode selector's index; one left over from another make's longer list counts as
     *  the first. */
    [[nodiscard]] static int subModeIndex(const CatOptions &options)
    {
        return options.dataSubMode >= 0 && options.dataSubMode <= 3 ? options.dataSubMode : 0;
    }

    /** Takes a frequency read from the radio when it can be one: above 0 and not beyond the
     *  radio's range by more than a quarter (garbage, a misread reply or a wrong model gives
     *  absurd figures). False, with the reading unchanged, otherwise. */
    bool takeKHz(double kHz)
    {
        if (!(kHz > 0) || kHz > m_range.highestKHz * 1.25)
            return false;
        m_state.kHz = kHz;
        return true;
    }

    RadioState m_state;

private:
    TuningRange m_range;
};

} // namespace trx
