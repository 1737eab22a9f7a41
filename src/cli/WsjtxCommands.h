#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kWsjtxSynopsis[] =
    "wsjtx listen [--port P] [--count N] [--seconds S]\n"
    "                                  store the QSOs WSJT-X or JTDX log (UDP, port\n"
    "                                  WsjtxPort or 2237) and print each";

int wsjtxCommand(Cli &cli, const QStringList &words);

} // namespace cli
