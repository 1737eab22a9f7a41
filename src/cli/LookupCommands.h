#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kLookupSynopsis[] = "lookup CALL [--service qrz|hamqth] [--json]";

/** Asks QRZ or HamQTH about a callsign with the account the settings keep. */
int lookupCommand(Cli &cli, const QStringList &words);

} // namespace cli
