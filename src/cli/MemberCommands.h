#pragma once

#include <QStringList>

class Cli;

namespace cli {

inline constexpr char kMembersSynopsis[] =
    "members download lotw|eqsl | members check CALL | members count";

int membersCommand(Cli &cli, const QStringList &words);

} // namespace cli
