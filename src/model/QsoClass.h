#pragma once

#include "formats/Formats.h"
#include "model/ExtraFields.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <cstdlib>
#include <optional>

/** One QSO: a plain value, the same for logbook files, the synced store, ADIF and the screens.
 *  Field names are the ones the whole program uses. Each value is kept once; the texts shown or
 *  stored for the date and the frequency are derived from `dateTime` and `qrg`. */
struct QsoClass {
    std::optional<qint64> id; // logbook `id` (64-bit, as SQLite keeps it); none until stored
    QUuid uuid;               // identity in the synced store only
    QString callsign;
    QString band;
    double qrg = 0.0; // kHz
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
    QDateTime dateTime; // QSO start, UTC
    QString iota;
    QString satName;
    QString satMode;
    QString satRxband;
    QString power;
    qint32 adif = 0;      // entity number, never negative: `opIsValid` says whether it counts
    qint64 colorCode = 0; // user colour mark 0–9
    QString name;
    QString qth;
    QString prefix;
    QString county;
    QString clublog;
    bool opIsValid = true;
    QString user_1;
    QString user_2;
    QString user_3;
    QString user_4;
    /** Every other ADIF field the QSO carries (MY_GRIDSQUARE, SIG_INFO, APP_ fields, …). */
    ExtraFields extraFields;

    /** Whether the QSO is in a logbook (read from one, or given its id after saving). */
    [[nodiscard]] bool isStored() const { return id.has_value(); }

    /** "yyyy-MM-dd HH:mm:ss" (UTC), as the logbook's `datetime` column; empty without a date. */
    [[nodiscard]] QString sqlDateTime() const { return formats::sqlDateTime(dateTime); }
    /** The date in the user's style, as the log shows it and the `date` column keeps it; "??"
     *  without a date. */
    [[nodiscard]] QString dateText(formats::DateStyle style) const
    {
        return dateTime.isValid() ? formats::displayDate(dateTime.toUTC().date(), style)
                                  : QStringLiteral("??");
    }
    /** "HHmm" (UTC), as the log shows it and the `time` column keeps it; "??" without a date. */
    [[nodiscard]] QString timeText() const
    {
        return dateTime.isValid() ? dateTime.toUTC().toString(QLatin1String(formats::kLogTime))
                                  : QStringLiteral("??");
    }
    /** The frequency as shown, "#,##0.0" kHz with English grouping ("14,025.0"). */
    [[nodiscard]] QString qrgText() const { return formats::groupedKHz(qrg); }

    /** `adif` as stored: made negative when the operation does not count for DXCC. */
    [[nodiscard]] qint32 storedAdif() const { return opIsValid ? std::abs(adif) : -std::abs(adif); }
    /** Takes a stored `dxccadif` value: a negative one is an operation that does not count. */
    void setStoredAdif(qint64 stored)
    {
        opIsValid = stored >= 0;
        adif = static_cast<qint32>(std::abs(stored));
    }
};
