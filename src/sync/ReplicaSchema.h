#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <utility>

/** The sync bookkeeping of a device's copy: which `logbook` columns travel and how, and the
 *  statements that add the "sync_…" tables and the triggers that fill the outbox. An outbox row
 *  names one field of one QSO: a column, "adif:" and a kept ADIF field's name in lower case (a
 *  row of `qso_fields`, see ExtraFieldWire.h), "*" for a new QSO (all of it) or "-" for a deleted
 *  one. Every identifier in the generated SQL comes from the fixed lists here, never from data;
 *  the names of kept fields are values. */
namespace logsync::replicaschema {

struct Column {
    const char *name;
    bool integer; // INTEGER column: travels as its decimal text
    bool encoded; // percent-encoded in the file, plain text on the wire
};

/** The columns of `logbook` after `id`, in file order. */
[[nodiscard]] std::span<const Column> columns();
/** The position in columns() of the column of that name; -1 for `id` and for anything that is
 *  not a column. */
[[nodiscard]] int columnIndex(const QString &name);
/** "date,time,…": every column of columns(), for select lists. */
[[nodiscard]] QString columnList();

/** An SQL expression giving a fresh random UUID (version 4) as lower-case text. */
[[nodiscard]] QString uuidExpression();
/** An SQL condition, true when the `prefs` entry in `entry` (an SQL expression) never leaves
 *  the device; the same rule as LocalReplica::isLocalPref. */
[[nodiscard]] QString localPrefCondition(const QString &entry);

/** CREATE statements of the bookkeeping tables (IF NOT EXISTS), in order. */
[[nodiscard]] QStringList tableStatements();
/** The triggers as (name, CREATE TRIGGER statement); those on `qso_fields` need the table. */
[[nodiscard]] QList<std::pair<QString, QString>> triggers();

} // namespace logsync::replicaschema
