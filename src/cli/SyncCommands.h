#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kSyncSynopsis[] =
    "sync init --server URL | join --server URL --logbook NAME [--timeout S] | now [--timeout S] | "
    "status [--json]";

int syncCommand(Cli &cli, const QStringList &words);

} // namespace cli
