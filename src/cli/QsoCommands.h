#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kQsoSynopsis[] =
    "qso add --call C --freq KHZ --mode M [--time \"yyyy-MM-dd HH:mm:ss\"] [--band B]\n"
    "        [--rst-sent S] [--rst-rcvd S] [--name T] [--qth T] [--note T] [--locator L]\n"
    "        [--qsl X] [--lotw X] [--eqsl X] [--color N] [--adif N] [--invalid-op] [--iota R]\n"
    "        [--state S] [--county C] [--manager M] [--power P] [--user1 T … --user4 T]\n"
    "        [--field NAME=VALUE …]  (any ADIF field without a column, e.g. MY_GRIDSQUARE)\n"
    "qso list [--range CODE]      (0: last 500, 1: last 2500, 2: this year,\n"
    "                              3: this and last year, 4: all)\n"
    "qso set ID FIELD VALUE       (FIELD is a logbook column, free text stored encoded, or an\n"
    "                              ADIF field without a column; an empty VALUE removes that)\n"
    "qso delete ID";

/** Adds, lists, changes and deletes QSOs of the current logbook. */
int qsoCommand(Cli &cli, const QStringList &words);

} // namespace cli
