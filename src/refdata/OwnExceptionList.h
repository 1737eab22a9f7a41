#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

/** Entity designators a user may type instead of a callsign ("FT.W", "VP8/S", "4U_UN"), valid
 *  from the day the list is made; they show that entity for a contact made today. */
class OwnExceptionList {
public:
    /** Every entry is valid from the start of that day (UTC) until the end of 2099. */
    explicit OwnExceptionList(const QDateTime &today);

    /** The entity of an exact designator strictly inside its period, else -1. */
    [[nodiscard]] int entityOf(const QString &callsign, const QDateTime &at) const;

private:
    QHash<QString, int> m_entities;
    QDateTime m_start;
    QDateTime m_end;
};
