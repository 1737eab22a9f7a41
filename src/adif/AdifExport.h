#pragma once

#include "model/AdifWriter.h"
#include "model/QsoClass.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class LogModel;
class QIODevice;

/** Export files: the header and records written for the user to keep or share. */
namespace adif {

/** Writes the text, UTF-8 and atomically, as "yyyy-MM-dd.adif" (today, UTC) in the given
 *  folder, replacing a file of that name. The file's path, or nothing after logging
 *  "Error writing temp file: %@". */
[[nodiscard]] std::optional<QString> writeExportFile(const QString &text, const QString &folder,
                                                     const QDateTime &now);

/** How an export into a device went. */
struct ExportOutcome {
    qsizetype records = 0;
    QString readError;  // the logbook could not be read (what was written is no whole export)
    QString writeError; // the device refused a write
    [[nodiscard]] bool ok() const { return readError.isEmpty() && writeError.isEmpty(); }
};

/** The export of the QSOs of a log list range (LogListQuery's codes), oldest first, into `out`.
 *  The logbook is read on a thread of its own while this one builds and writes the records, so
 *  neither memory nor time grows with the whole logbook held at once. */
[[nodiscard]] ExportOutcome exportRange(LogModel &log, int rangeCode, QIODevice &out);

/** The export of the QSOs given, in their order, into `out`. */
[[nodiscard]] ExportOutcome exportQsos(LogModel &log, const QList<QsoClass> &qsos, QIODevice &out);

} // namespace adif
