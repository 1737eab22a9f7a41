#pragma once

#include <QString>

namespace awards {

/** What the awards read of one QSO: some of its logbook columns and some of its kept ADIF
 *  fields, as stored (texts untrimmed, any case). */
struct AwardQso {
    QString callsign;
    QString band;
    QString mode;
    QString qsl;
    QString lotwqsl;
    QString eqsl;
    qint64 adif = 0; // the entity number as stored (negative: not valid for DXCC)
    QString cq;
    QString itu;
    QString cnt;
    QString state;
    QString locator;
    QString iota;
    QString dateTime; // "yyyy-MM-dd HH:mm:ss", UTC

    // Kept ADIF fields.
    QString vuccGrids;
    QString sig;
    QString sigInfo;
    QString potaRef;
    QString sotaRef;
    QString wwffRef;
    QString mySig;
    QString mySigInfo;
    QString myPotaRef;
    QString mySotaRef;
    QString myWwffRef;
    QString stationCallsign;
    QString operatorCall;

    /** The kept ADIF field names read into the members above (lower case). */
    static const QStringList &fieldNames();
    /** Sets the member of a kept field by its lower-case name; other names are ignored. */
    void setField(QStringView name, const QString &value);
};

} // namespace awards
