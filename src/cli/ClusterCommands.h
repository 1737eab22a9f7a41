#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kClusterSynopsis[] =
    "cluster parse                     spots of the cluster lines on standard input\n"
    "cluster listen HOST PORT [--login CALL] [--count N] [--seconds S]\n"
    "                                  connect to a node and print spots as they come";

int clusterCommand(Cli &cli, const QStringList &words);

} // namespace cli
