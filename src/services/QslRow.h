#pragma once

#include "model/QsoClass.h"

#include <QString>
#include <QStringList>

#include <optional>

/** One line of a download's result list: a received QSL and what became of it. */
struct QslRow {
    enum class Mark { None, NotFound, Corrected };

    QString date; // in the user's date style
    QString time; // "HHmm"
    QString callsign;
    QString band;
    QString mode;
    QString note; // LoTW: the credit text ("DXCC, Band-L")
    Mark mark = Mark::None;
    std::optional<qint64> id; // the matched QSO's; none when the QSL matched none
    /** What was written besides the QSL mark, "locator JO31 → JO31AB", for reports. */
    QStringList corrections;

    /** The row of a received QSL before it is matched: its date in the user's style and "HHmm",
     *  both empty when the QSL names no date. */
    [[nodiscard]] static QslRow received(const QsoClass &qsl, formats::DateStyle style)
    {
        QslRow row;
        if (qsl.dateTime.isValid()) {
            row.date = qsl.dateText(style);
            row.time = qsl.timeText();
        }
        row.callsign = qsl.callsign;
        row.band = qsl.band;
        row.mode = qsl.mode;
        return row;
    }
};
