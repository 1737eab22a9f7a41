#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kAwardsSynopsis[] =
    "awards list                 (every award: worked and confirmed)\n"
    "awards show NAME [--band B] [--mode M] [--confirmed-by any|paper|lotw|eqsl]\n"
    "            [--call OWNCALL] [--needed] [--json]\n"
    "                            (was waz itu wac wpx iota grids pota sota wwff; --mode takes\n"
    "                            a mode or CW, DIGI, PHONE; --needed: what is not confirmed)";

int awardsCommand(Cli &cli, const QStringList &words);

} // namespace cli
