#include "loggen/BandPlan.h"

#include "loggen/Random.h"

#include <array>
#include <cmath>

namespace loggen {
namespace {

struct Segment {
    double low = 0; // 0: the band has no such segment
    double high = 0;
};

struct Band {
    const char *name;
    double weight; // share of all QSOs, in percent
    Segment cw;
    Segment phone;
    double ft8; // dial frequencies; 0 where the mode is not used
    double ft4;
    double jt65;
    double psk31;
    Segment rtty;
    double fm; // first FM simplex channel
};

constexpr std::array kBands{
    Band{"160m", 3, {1810, 1838}, {1843, 1990}, 1840, 0, 1838, 1838, {}, 0},
    Band{"80m", 8, {3500, 3570}, {3600, 3800}, 3573, 3575, 3570, 3580, {3580, 3600}, 0},
    Band{"60m", 1.5, {5351.5, 5354}, {5360, 5366}, 5357, 0, 0, 0, {}, 0},
    Band{"40m", 18, {7000, 7040}, {7060, 7200}, 7074, 7047.5, 7076, 7040, {7040, 7050}, 0},
    Band{"30m", 5, {10100, 10130}, {}, 10136, 10140, 10138, 10142, {10140, 10150}, 0},
    Band{"20m", 27, {14000, 14070}, {14125, 14350}, 14074, 14080, 14076, 14070, {14080, 14099}, 0},
    Band{"17m", 6, {18068, 18095}, {18120, 18168}, 18100, 18104, 18102, 18100, {18100, 18109}, 0},
    Band{"15m", 12, {21000, 21070}, {21151, 21450}, 21074, 21140, 21076, 21070, {21080, 21120}, 0},
    Band{"12m", 3, {24890, 24915}, {24940, 24990}, 24915, 24919, 24917, 24920, {24920, 24929}, 0},
    Band{"10m",
         8,
         {28000, 28070},
         {28300, 28700},
         28074,
         28180,
         28076,
         28120,
         {28080, 28150},
         29600},
    Band{"6m", 4, {50000, 50100}, {50100, 50300}, 50313, 50318, 50276, 50250, {}, 51510},
    Band{"2m", 2, {144050, 144100}, {144200, 144400}, 144174, 144170, 0, 0, {}, 145500},
    Band{"70cm", 1, {432050, 432100}, {432200, 432300}, 432174, 0, 0, 0, {}, 433500},
};

enum Mode { Cw, Ssb, Ft8, Ft4, Jt65, Psk31, Rtty, Fm, ModeCount };
constexpr std::array<const char *, ModeCount> kModeNames{"CW",   "SSB",   "FT8",  "FT4",
                                                         "JT65", "PSK31", "RTTY", "FM"};
constexpr std::array<double, ModeCount> kModeWeights{33, 28, 24, 3, 1, 2, 4, 2};

const QDate kFt8Start(2017, 7, 1);
const QDate kFt4Start(2019, 5, 1);
const QDate kJt65Start(2013, 1, 1);

bool available(const Band &band, Mode mode, const QDate &day)
{
    switch (mode) {
    case Cw:
        return band.cw.low > 0;
    case Ssb:
        return band.phone.low > 0;
    case Ft8:
        return band.ft8 > 0 && day >= kFt8Start;
    case Ft4:
        return band.ft4 > 0 && day >= kFt4Start;
    case Jt65:
        return band.jt65 > 0 && day >= kJt65Start;
    case Psk31:
        return band.psk31 > 0;
    case Rtty:
        return band.rtty.low > 0;
    case Fm:
        return band.fm > 0;
    case ModeCount:
        break;
    }
    return false;
}

double tenths(double kHz)
{
    return std::round(kHz * 10.0) / 10.0;
}

double within(Random &random, const Segment &segment, double step)
{
    const auto steps = static_cast<qint64>((segment.high - segment.low) / step);
    return tenths(segment.low + step * static_cast<double>(random.between(0, steps)));
}

double frequency(Random &random, const Band &band, Mode mode)
{
    switch (mode) {
    case Cw:
        return within(random, band.cw, 0.1);
    case Ssb:
        return within(random, band.phone, 0.5);
    case Ft8:
        return band.ft8; // logged at the dial frequency, as the usual programs do
    case Ft4:
        return band.ft4;
    case Jt65:
        return band.jt65;
    case Psk31:
        return tenths(band.psk31 + 0.3 + 0.1 * static_cast<double>(random.between(0, 22)));
    case Rtty:
        return within(random, band.rtty, 0.1);
    case Fm:
        return tenths(band.fm + 12.5 * static_cast<double>(random.between(0, 8)));
    case ModeCount:
        break;
    }
    return band.cw.low;
}

Mode modeNamed(const QString &name)
{
    for (int mode = 0; mode < ModeCount; ++mode)
        if (name == QLatin1String(kModeNames[mode]))
            return static_cast<Mode>(mode);
    return Cw;
}

} // namespace

int pickBand(Random &random)
{
    std::array<double, kBands.size()> weights{};
    for (std::size_t i = 0; i < kBands.size(); ++i)
        weights[i] = kBands[i].weight;
    return static_cast<int>(random.weighted(weights));
}

BandAndMode pickMode(Random &random, int band, const QDate &day)
{
    const Band &plan = kBands.at(static_cast<std::size_t>(band));
    std::array<double, ModeCount> weights{};
    for (int mode = 0; mode < ModeCount; ++mode) {
        if (!available(plan, static_cast<Mode>(mode), day))
            continue;
        // FM is what most VHF/UHF contacts are made in.
        weights[mode] = mode == Fm ? 30 : kModeWeights[mode];
    }
    const auto mode = static_cast<Mode>(random.weighted(weights));
    return {QString::fromLatin1(plan.name), QString::fromLatin1(kModeNames[mode]),
            frequency(random, plan, mode)};
}

double retune(Random &random, const BandAndMode &current, int band)
{
    const Mode mode = modeNamed(current.mode);
    // Digital modes stay on their dial frequency; a CW or phone run stays put most of the time.
    if (mode == Ft8 || mode == Ft4 || mode == Jt65 || random.percent(70))
        return current.kHz;
    return frequency(random, kBands.at(static_cast<std::size_t>(band)), mode);
}

} // namespace loggen
