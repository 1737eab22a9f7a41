#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kWavelogSynopsis[] =
    "wavelog upload [--dry-run] (Wavelog/Cloudlog: the QSOs not sent yet; defaults set\n"
    "                            WavelogHost URL, WavelogStationId ID)\n"
    "wavelog key                (reads the instance's API key from standard input)";

int wavelogCommand(Cli &cli, const QStringList &words);

} // namespace cli
