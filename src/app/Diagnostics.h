#pragma once

#include <QString>
#include <QtGlobal>

/** Writes one of the program's diagnostic lines, word for word, to the log. */
inline void diag(const QString &line)
{
    qInfo("%s", qPrintable(line));
}
