#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kStatisticsSynopsis[] =
    "stats [--qsl-mode 0|1|2] [--with-deleted]   (0 any, 1 paper, 2 LoTW confirmations)\n"
    "stats show KIND   (QSOs per KIND: year, month, band, mode, continent, hour; or\n"
    "                            entities: the first and last QSO per entity)\n"
    "stats chart KIND -o FILE.png [--width W] [--height H] [--dark]\n"
    "                            (the chart of QSOs per KIND as a picture; KIND grids: the\n"
    "                            worked grid squares and QSO end points on the grayline map)";

/** "stats show" and "stats chart"; the DXCC counts otherwise. */
int statisticsCommand(Cli &cli, const QStringList &words);

} // namespace cli
