#include "refdata/ModeClasses.h"

#include "refdata/Bands.h"

#include <array>

namespace refdata {
namespace {

constexpr int kLastPlannedBand = 9; // 10m; 6m and up get no guess

} // namespace

int qrg2xMode(const BandTable &table, double kHz)
{
    const int xBand = qrg2xBand(table, kHz);
    if (xBand < 1 || xBand > kLastPlannedBand || table.rowCount() < xBand)
        return UnknownMode;
    const BandTable::Row &row = table.row(xBand);
    if (!BandTable::isComplete(row))
        return UnknownMode;
    if (row[BandTable::CwEnd] > kHz)
        return Cw;
    if (kHz < row[BandTable::PhoneStart])
        return Digi;
    return Phone;
}

QString qrg2Mode(const BandTable &table, double kHz)
{
    return modeName(qrg2xMode(table, kHz));
}

QString modeName(int xMode)
{
    switch (xMode) {
    case Cw:
        return QStringLiteral("CW");
    case Digi:
        return QStringLiteral("Digi");
    case Phone:
        return QStringLiteral("Phone");
    default:
        return QStringLiteral("??");
    }
}

int mode2xMode(QStringView mode)
{
    static constexpr std::array<const char *, 6> kVoiceModes{"Phone", "SSB", "USB",
                                                             "LSB",   "FM",  "AM"};
    if (mode == QLatin1String("CW"))
        return Cw;
    for (const char *voice : kVoiceModes) {
        if (mode == QLatin1String(voice))
            return Phone;
    }
    return Digi;
}

} // namespace refdata
