#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kStationSynopsis[] =
    "station list | show [NAME] [--json] | select NAME | remove NAME\n"
    "station add NAME [--call C] [--operator C] [--locator L] [--pota REF] [--sota REF]\n"
    "        [--wwff REF] [--iota REF] [--state S] [--county C] [--cq N] [--itu N] [--power W]\n"
    "        [--rig T] [--antenna T]   (replaces a profile of that name)";

/** The station profiles of the data folder: the own station's details new QSOs record. */
int stationCommand(Cli &cli, const QStringList &words);

} // namespace cli
