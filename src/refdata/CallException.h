#pragma once

#include <QString>
#include <QtGlobal>

/** One row of an exception or prefix list with its validity period, as read for a query. */
struct CallException {
    QString callsign = QStringLiteral("CALL"); // or the prefix, for a prefix row
    qint32 adif = 0;
    QString startDateString; // "yyyy-MM-dd HH:mm:ss", UTC
    QString endDateString;
};
