#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kRigSynopsis[] =
    "rig status [LINK] [--timeout S]   the radio's frequency and mode, read once\n"
    "rig tune KHZ [--mode cw|phone|digital] [LINK]\n"
    "                                  tune the radio and read the frequency back\n"
    "rig watch [--count N] [LINK]      print each change of frequency or mode\n"
    "rig scan-ble [--seconds S]        list the Bluetooth LE devices heard, with their services\n"
    "    LINK: [--link tcp:HOST:PORT|serial:DEV[:BAUD]|rigctld:HOST[:PORT]|ble:ADDRESS|\n"
    "                  icom-ble:ADDRESS]\n"
    "          [--make icom|elecraft|kenwood|yaesu] [--model NAME]; left out: the stored ones";

int rigCommand(Cli &cli, const QStringList &words);

} // namespace cli
