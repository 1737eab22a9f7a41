#pragma once

#include "refdata/BandTable.h"

#include <QString>
#include <QStringView>

/** Band numbers (xBand, 0 = unknown) and band names of frequencies in kHz. Numbers 1–12 come
 *  from the band table, 13–18 are the microwave bands, 19–23 bands added later (60m, 4m, 1.25m,
 *  2.2km, 630m); stored counters index by them, so they never change. */
namespace refdata {

inline constexpr int kBandCount = 23;
inline constexpr char kUnknownBand[] = "??";

/** The band number of a frequency: the band table first (when usable), then the fixed ranges,
 *  then the microwave bands; 0 when nothing matches. All edges belong to their band. */
[[nodiscard]] int qrg2xBand(const BandTable &table, double kHz);
/** The band name of a frequency, "??" when unknown. */
[[nodiscard]] QString qrg2mBand(const BandTable &table, double kHz);
/** The name of a band number, "??" for 0 and anything out of range. */
[[nodiscard]] QString bandName(int xBand);
/** The number of an exact, case-sensitive band name; 0 for any other text. */
[[nodiscard]] int band2xBand(QStringView name);
/** The band-start frequency in kHz of a band name in any case; 0 when unknown. */
[[nodiscard]] double mBand2qrg(const QString &name);

} // namespace refdata
