#pragma once

#include "geo/LatLon.h"
#include "model/QsoClass.h"
#include "services/LookupAccount.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lookup {

/** What tapping a row does: nothing, write a mail, open a page, show the picture. */
enum class RowKind { Plain, Email, Web, Picture };

struct LookupRow {
    QString name;
    QString value;
    RowKind kind = RowKind::Plain;
};

/** A reply made ready for the screen: the rows in the service's order and what the picture and
 *  the map need. */
struct LookupResult {
    QList<LookupRow> rows;
    QString callsign;   // upper case
    QString locator;    // upper case, as the service gave it
    QString pictureUrl; // "image" (QRZ) or "picture" (HamQTH)
    std::optional<geo::LatLon> coord;
};

/** The elements shown, in order, for a service. */
[[nodiscard]] const QStringList &shownElements(Service service);
[[nodiscard]] LookupResult resultFrom(Service service, const QHash<QString, QString> &items);
/** The record a new QSO takes from the reply; absent elements leave the fields empty, except
 *  the callsign, which falls back to the one asked for. */
[[nodiscard]] QsoClass qsoFrom(Service service, const QHash<QString, QString> &items,
                               const QString &askedCallsign);

/** A town with a postal code in front ("12345 Berlin") as the town alone; texts shorter than 2
 *  characters are kept as they are. */
[[nodiscard]] QString cleanQth(const QString &qth);
/** A page address as a browser needs it: "http://" in front unless it has a scheme. */
[[nodiscard]] QString webAddress(const QString &value);
/** Where the map puts the station: the coordinates as a locator, else the grid (a 4-character
 *  square is taken at its corner subsquare "AA"); empty when neither is usable. */
[[nodiscard]] QString mapLocator(const LookupResult &result);

} // namespace lookup
