#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kClublogSynopsis[] = "clublog upload [--all] [--dry-run]";

int clublogCommand(Cli &cli, const QStringList &words);

} // namespace cli
