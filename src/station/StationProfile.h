#pragma once

#include <QJsonObject>
#include <QString>

/** One named set of the own station's details: where and with what the operator is on the air
 *  (home, a park, a summit). Texts as the operator gave them after normalise(); empty: not
 *  given. */
struct StationProfile {
    QString name;
    QString callsign; // STATION_CALLSIGN, also the logbook's own call when chosen
    QString operatorCall;
    QString locator; // 6 or 8 characters
    QString iota;    // "EU-005"
    QString pota;    // "US-0001", "DL-0123"
    QString sota;    // "W7W/KG-001"
    QString wwff;    // "DLFF-0123"
    QString state;
    QString county;
    QString cqZone;  // 1–40
    QString ituZone; // 1–90
    QString power;   // watts
    QString rig;
    QString antenna;

    /** Blanks trimmed; calls, locator and references in capitals. */
    void normalise();
    [[nodiscard]] QJsonObject toJson() const;
    [[nodiscard]] static StationProfile fromJson(const QJsonObject &object);

    friend bool operator==(const StationProfile &, const StationProfile &) = default;
};
