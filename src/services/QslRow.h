#pragma once

#include <QString>
#include <QStringList>

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
    qint64 rowid = -1; // the matched QSO; -1 when none
    /** What was written besides the QSL mark, "locator JO31 → JO31AB", for reports. */
    QStringList corrections;
};
