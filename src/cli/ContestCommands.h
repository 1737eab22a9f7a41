#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kContestSynopsis[] =
    "contest list\n"
    "contest start NAME [--sent-exchange \"599 14\"] [--category KEY=VALUE,…] [--call C]\n"
    "                             (the serial number is counted, not typed; categories as in\n"
    "                              Cabrillo: OPERATOR=SINGLE-OP,POWER=LOW,…)\n"
    "contest log CALL EXCHANGE… --freq KHZ [--mode M] [--time \"yyyy-MM-dd HH:mm:ss\"]\n"
    "            [--allow-dupe]   (a dupe prints \"dupe\" and exits 3)\n"
    "contest score\n"
    "contest cabrillo -o FILE";

/** Exit code of "contest log" for a dupe that was not logged. */
inline constexpr int kDupeExitCode = 3;

/** Contest sessions of the current logbook: the contests known, a new session, logging with dupe
 *  and exchange checks, the score and the Cabrillo log. */
int contestCommand(Cli &cli, const QStringList &words);

} // namespace cli
