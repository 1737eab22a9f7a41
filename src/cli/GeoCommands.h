#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kBandSynopsis[] =
    "band KHZ                    (band and mode class of a frequency)\n"
    "band --name NAME            (band number and band start)";
inline constexpr char kLocatorSynopsis[] = "locator LOC\n"
                                           "locator --from LAT LON";
inline constexpr char kPathSynopsis[] = "path FROM TO                (distance and beam heading)";
inline constexpr char kSunSynopsis[] =
    "sun LOC [--alt DEG] [--at \"yyyy-MM-dd HH:mm\"]   (UTC; altitude -0.833 by default)";

int bandCommand(Cli &cli, const QStringList &words);
int locatorCommand(Cli &cli, const QStringList &words);
int pathCommand(Cli &cli, const QStringList &words);
int sunCommand(Cli &cli, const QStringList &words);

} // namespace cli
