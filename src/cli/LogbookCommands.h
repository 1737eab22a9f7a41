#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kLogbooksSynopsis[] = "logbooks list\n"
                                            "logbooks create NAME\n"
                                            "logbooks select NAME\n"
                                            "logbooks delete NAME";

/** Lists, creates, selects and deletes the logbook files of the data folder. */
int logbooksCommand(Cli &cli, const QStringList &words);

} // namespace cli
