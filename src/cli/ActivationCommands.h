#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kActivationSynopsis[] =
    "activation [--ref REF] [--date yyyy-MM-dd] [--json]   (default: the active profile's\n"
    "        reference, today UTC)\n"
    "activation export [--ref REF] [--date yyyy-MM-dd] -o FILE|FOLDER";

/** The QSOs of a park, summit or WWFF activation, their count and the upload file. */
int activationCommand(Cli &cli, const QStringList &words);

} // namespace cli
