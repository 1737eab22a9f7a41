#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"

#include <QByteArray>
#include <QList>
#include <QString>

/** A LoTW QSL report ("ARRL Logbook of the World Status Report", ADIF) read into confirmations.
 *  Pure: bytes in, values out. */
namespace lotw {

struct Report {
    /** The reply starts with the report heading; anything else (a login page, an error page)
     *  is not a report and nothing in it is read. */
    bool isReport = false;
    /** APP_LoTW_NUMREC of the header; -1 when missing. */
    qint64 declaredCount = -1;
    /** APP_LoTW_LASTQSL of the header: the newest QSL in the report. */
    QString lastQsl;
    /** Records that ended with "<eor>", counted whatever they hold. */
    qint64 recordCount = 0;
    /** The confirmations in file order (records with a callsign of 3 or more characters):
     *  callsign, band, mode, date and time, entity number, continent, zones, IOTA, grid, state
     *  and county as the report gives them. */
    QList<QsoClass> confirmations;

    /** The whole report arrived: its records are as many as the header says. A cut-off
     *  download has fewer (or no header count) and must not be applied. */
    [[nodiscard]] bool isComplete() const
    {
        return isReport && declaredCount >= 0 && recordCount == declaredCount;
    }
};

inline constexpr char kHeading[] = "ARRL Logbook of the World Status Report";

/** `now` (UTC) bounds APP_LoTW_LASTQSL: a time more than a day after it is not kept. */
[[nodiscard]] Report parseReport(const QByteArray &bytes, const QDateTime &now);

/** "EU" → "Eu" and so on for the five continents the logbook writes that way. */
[[nodiscard]] QString continentAsStored(const QString &continent);
/** A zone without one leading "0" when it has two or more characters. */
[[nodiscard]] QString zoneAsStored(const QString &zone);

} // namespace lotw
