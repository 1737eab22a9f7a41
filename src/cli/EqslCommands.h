#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kEqslSynopsis[] =
    "eqsl download [--file INBOX.adi] | eqsl upload [--dry-run]";

int eqslCommand(Cli &cli, const QStringList &words);

} // namespace cli
