#pragma once

#include "model/QsoClass.h"

#include <QByteArray>
#include <QString>

/** The XML datagrams contest programs send for each contact and that scoreboards, band maps and
 *  other loggers read: `contactinfo` (a new contact), `contactreplace` (a changed one) and
 *  `contactdelete`. Frequencies are in tens of Hz, the band in MHz ("3.5", "14"). */
namespace contactmessage {

enum class Kind { Info, Replace, Delete };

struct Station {
    QString app = QStringLiteral("Brindlewick");
    QString myCall;      // when the QSO does not name its STATION_CALLSIGN
    QString stationName; // this computer
};

/** The datagram for one QSO; `id` is the contact's lasting identity (32 hex digits). */
[[nodiscard]] QByteArray make(Kind kind, const QsoClass &qso, const QString &id,
                              const Station &station);

/** The band element: "1.8", "3.5", "7", "14", … "144"; the MHz of the frequency otherwise. */
[[nodiscard]] QString bandMHz(const QString &band, double kHz);

} // namespace contactmessage
