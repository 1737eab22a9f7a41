#pragma once

#include "station/Activation.h"

#include <QDate>
#include <QString>

class LogModel;

/** Reading an activation from the logbook and writing it as the programmes' upload file. */
namespace station {

/** The QSOs of the logbook made from the reference on the UTC date. */
[[nodiscard]] Activation findActivation(LogModel &log, Programme programme,
                                        const QString &reference, const QDate &date);

/** "CALL@REF-YYYYMMDD.adi", the name the programmes' upload pages expect; "/" (in a portable
 *  call or a summit reference) is written as "_". */
[[nodiscard]] QString activationFileName(const QString &callsign, const QString &reference,
                                         const QDate &date);
/** The station callsign of the activation: its first QSO's STATION_CALLSIGN, else the
 *  logbook's own call. */
[[nodiscard]] QString activationCallsign(LogModel &log, const Activation &activation);
/** The ADIF file of all the activation's QSOs (repeats included: the programme sorts them out),
 *  each record with all its fields. */
[[nodiscard]] QString activationAdif(LogModel &log, const Activation &activation);

/** Writes the file to `target`, or into it under activationFileName() when it is a folder.
 *  The path written, or none with the reason in `error`. */
[[nodiscard]] std::optional<QString> exportActivation(LogModel &log, const Activation &activation,
                                                      const QString &target, QString *error);

} // namespace station
