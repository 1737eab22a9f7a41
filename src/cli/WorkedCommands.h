#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kStatusSynopsis[] =
    "status CALL --band BAND --mode MODE   (what a spot of CALL would be new for)";
inline constexpr char kIotaSynopsis[] = "iota REF";
inline constexpr char kGridSynopsis[] = "grid LOC --band BAND";
inline constexpr char kDxListSynopsis[] =
    "dxlist [--by-name] [--filter 0..5]   (1 worked, 2 confirmed, 3 not worked, 4 not\n"
    "                            confirmed, 5 worked but not confirmed)";

int statusCommand(Cli &cli, const QStringList &words);
int iotaCommand(Cli &cli, const QStringList &words);
int gridCommand(Cli &cli, const QStringList &words);
int statsCommand(Cli &cli, const QStringList &words);
int dxListCommand(Cli &cli, const QStringList &words);

} // namespace cli
