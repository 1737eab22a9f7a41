#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kQslSynopsis[] =
    "qsl scan-image FILE.png|.jpg [--send HOST:PORT]\n"
    "                                  read the QR code of a QSL card from an image; print\n"
    "                                  its text or send it as the scanner does\n"
    "qsl receive [--port P] [--count N] [--seconds S]\n"
    "                                  print the card texts sent by a scanner (UDP, port\n"
    "                                  ScanPort or 7700) and the QSO each names";

int qslCommand(Cli &cli, const QStringList &words);

} // namespace cli
