#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kQrzSynopsis[] =
    "qrz upload [--dry-run]     (QRZ.com logbook: the QSOs not sent yet)\n"
    "qrz download               (confirmations from the QRZ.com logbook)\n"
    "qrz key                    (reads the logbook's API key from standard input)";

int qrzCommand(Cli &cli, const QStringList &words);

} // namespace cli
