#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kGraylineSynopsis[] =
    "grayline [--at \"yyyy-MM-dd HH:mm\"] [--from LOC] [--to LOC] -o FILE.png\n"
    "                            (the grayline map, home from the own locator by default)";

int graylineCommand(Cli &cli, const QStringList &words);

} // namespace cli
