#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <cstdlib>

/** One QSO: a plain value, the same for logbook files, the synced store, ADIF and the screens.
 *  Field names are the ones the whole program uses. */
struct QsoClass {
    qint64 rowid = 0;   // logbook `id` (64-bit, as SQLite keeps it); -1 when a lookup found no row
    QUuid uuid;         // identity in the synced store only
    QString dateString; // display date in the user's style
    QString timeString; // "HHmm", UTC
    QString callsign;
    QString band;
    QString qrgString; // "#,##0.0"
    double qrg = 0.0;  // kHz
    QString mode;
    QString rsttx;
    QString rstrx;
    QString qsl;
    QString lotwqsl;
    QString eqsl;
    QString dxcc; // main prefix of the entity
    QString cq;
    QString itu;
    QString cnt;
    QString state;
    QString note;
    QString locator;
    QString manager;
    QString qslInDate;
    QString qslOutDate;
    QDateTime dateTime;  // QSO start, UTC
    QString sqlDateTime; // "yyyy-MM-dd HH:mm:ss", UTC
    QString iota;
    QString satName;
    QString satMode;
    QString satRxband;
    QString power;
    qint32 adif = 0;      // entity number; stored negated when the operation does not count
    qint64 colorCode = 0; // user colour mark 0–9
    QString name;
    QString qth;
    QString prefix;
    QString county;
    QString clublog;
    bool checked = false; // transient mark, never stored
    bool opIsValid = true;
    QString user_1;
    QString user_2;
    QString user_3;
    QString user_4;

    /** `adif` as stored: made negative when the operation does not count for DXCC. */
    [[nodiscard]] qint32 storedAdif() const { return opIsValid ? adif : -std::abs(adif); }
};
