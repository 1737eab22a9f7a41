#include "refdata/Bands.h"

#include <array>

namespace refdata {
namespace {

struct Band {
    const char *name;
    double startKHz; // what a band name stands for when no frequency is known
};

// In band-number order 1…23. 6m starts at 51000, not 50000, by long-standing choice.
constexpr std::array<Band, kBandCount> kBands{{
    {"160m", 1800},    {"80m", 3500},     {"40m", 7000},       {"30m", 10100},    {"20m", 14000},
    {"17m", 18100},    {"15m", 21000},    {"12m", 24900},      {"10m", 28000},    {"6m", 51000},
    {"2m", 144000},    {"70cm", 430000},  {"23cm", 1240000},   {"13cm", 2320000}, {"9cm", 3400000},
    {"6cm", 5700000},  {"3cm", 10000000}, {"1.2cm", 24000000}, {"60m", 5400},     {"4m", 70000},
    {"1.25m", 220000}, {"2.2km", 135},    {"630m", 472},
}};

struct Range {
    double low;
    double high;
    int xBand;
};

// Bands outside the table, in kHz, tested in this order.
constexpr std::array<Range, 5> kFixedKHz{{
    {5325, 5425, 19},
    {70000, 70500, 20},
    {220000, 225000, 21},
    {135, 138, 22},
    {472, 479, 23},
}};

// Microwave bands in MHz. 1.2cm ends with the 24.25 GHz amateur allocation; above it lie no
// band numbers, so 47 GHz and up stay unknown.
constexpr std::array<Range, 6> kMicrowaveMHz{{
    {1240, 1300, 13},
    {2320, 2450, 14},
    {3400, 3475, 15},
    {5650, 5850, 16},
    {10000, 10500, 17},
    {24000, 24250, 18},
}};

template <std::size_t N> int lookUp(const std::array<Range, N> &ranges, double value)
{
    for (const Range &range : ranges) {
        if (range.low <= value && value <= range.high)
            return range.xBand;
    }
    return 0;
}

int tableBand(const BandTable &table, double kHz)
{
    if (!table.isUsable())
        return 0;
    for (int xBand = 1; xBand <= BandTable::kRows; ++xBand) {
        const BandTable::Row &row = table.row(xBand);
        if (BandTable::isComplete(row) && row[BandTable::LowerEdge] <= kHz &&
            kHz <= row[BandTable::UpperEdge])
            return xBand;
    }
    return 0;
}

} // namespace

int qrg2xBand(const BandTable &table, double kHz)
{
    if (const int xBand = tableBand(table, kHz))
        return xBand;
    if (const int xBand = lookUp(kFixedKHz, kHz))
        return xBand;
    return lookUp(kMicrowaveMHz, kHz / 1000.0);
}

QString qrg2mBand(const BandTable &table, double kHz)
{
    return bandName(qrg2xBand(table, kHz));
}

QString bandName(int xBand)
{
    if (xBand < 1 || xBand > kBandCount)
        return QString::fromLatin1(kUnknownBand);
    return QString::fromLatin1(kBands.at(static_cast<std::size_t>(xBand - 1)).name);
}

int band2xBand(QStringView name)
{
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        if (name == QLatin1String(kBands.at(i).name))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

double mBand2qrg(const QString &name)
{
    const int xBand = band2xBand(name.toLower());
    return xBand == 0 ? 0.0 : kBands.at(static_cast<std::size_t>(xBand - 1)).startKHz;
}

} // namespace refdata
