#pragma once

#include <QStringList>

class Cli;

/** One top-level word of brindlewick-cli, with the usage lines "--help" shows for it. */
struct Command {
    const char *name;
    const char *synopsis;
    int (*run)(Cli &cli, const QStringList &words);
};
