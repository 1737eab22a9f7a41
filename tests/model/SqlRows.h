#pragma once

// The rows of a statement read straight from a logbook file, for tests that check what a file
// holds rather than what a model says.

#include "db/Database.h"

#include <QString>
#include <QStringList>

/** The rows as "a|b|c" lines (SQL NULL as "<null>"); "<no file>" when it cannot be opened. */
[[nodiscard]] inline QStringList sqlRows(const QString &path, const QString &sql)
{
    db::Database database;
    if (database.open(path, db::Database::Mode::ReadOnly) != 0)
        return {QStringLiteral("<no file>")};
    db::Statement select = database.prepare(sql);
    QStringList lines;
    while (select.step()) {
        QStringList cells;
        for (int c = 0; c < select.columnCount(); ++c)
            cells << (select.isNull(c) ? QStringLiteral("<null>") : select.text(c));
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}
