#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kDxccSynopsis[] =
    "dxcc CALL... [--date \"yyyy-MM-dd HH:mm:ss\"]   (entity, zones, validity; UTC, now by "
    "default)\n"
    "dxcc - [--date ...]         (callsigns from standard input, one per line)";
inline constexpr char kCountryFileSynopsis[] =
    "countryfile update [--file PATH] [--url URL]   (rebuild from Club Log's country file)\n"
    "countryfile info            (date of the loaded file and row counts)";

int dxccCommand(Cli &cli, const QStringList &words);
int countryFileCommand(Cli &cli, const QStringList &words);

} // namespace cli
