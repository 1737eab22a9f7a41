#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kImportSynopsis[] =
    "import FILE                 (ADIF into the current logbook)";
inline constexpr char kExportSynopsis[] =
    "export [--all | --range CODE | --ids 1,2,3] [-o FILE]   (ADIF; standard output without -o)";

int importCommand(Cli &cli, const QStringList &words);
int exportCommand(Cli &cli, const QStringList &words);

} // namespace cli
