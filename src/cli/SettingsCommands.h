#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kPrefsSynopsis[] =
    "prefs get ENTRY\n"
    "prefs set ENTRY VALUE       (settings kept in the logbook)";
inline constexpr char kDefaultsSynopsis[] =
    "defaults get KEY\n"
    "defaults set KEY VALUE      (VALUE may be JSON: 1, true, [\"DL1ABC\"], …)\n"
    "defaults remove KEY";

/** The current logbook's own settings (its `prefs` table). */
int prefsCommand(Cli &cli, const QStringList &words);
/** The user's preferences. */
int defaultsCommand(Cli &cli, const QStringList &words);

} // namespace cli
