#pragma once

#include <QStringList>

class Cli;
struct QslRow;

namespace cli {

inline constexpr char kLotwSynopsis[] =
    "lotw download [--file REPORT.adi] | lotw upload [--dry-run] [--location NAME]";

int lotwCommand(Cli &cli, const QStringList &words);

/** Prints one result row of a QSL run: its outcome, credits and corrections. */
void printQslRow(Cli &cli, const QslRow &row, const QString &outcome);

} // namespace cli
