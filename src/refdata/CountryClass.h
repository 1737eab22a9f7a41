#pragma once

#include <QString>
#include <QtGlobal>

/** One DXCC entity as the rest of the program sees it: what a callsign resolves to. */
struct CountryClass {
    qint32 adif = 0; // entity number; 0 unknown, -1 or -999 an invalid operation
    QString dxcc = QStringLiteral("??");
    QString cntry = QStringLiteral("Unknown DXCC");
    QString cnt; // continent as stored ("Eu", "NA", …)
    int cq = 0;
    int itu = 0;
    QString locator; // 6-character locator of the entity's (or call area's) centre
    QString iota;    // IOTA reference of a single-group entity
    bool deleted = false;

    friend bool operator==(const CountryClass &, const CountryClass &) = default;
};
