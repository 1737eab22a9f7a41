#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"

#include <QList>
#include <QString>

/** One page at a time of a logbook file's QSOs in the log list's range and order, so that even
 *  "all" of a very large logbook shows its first rows at once and never sits in memory whole.
 *  Read-only; every call opens the file and closes it again, like the logbook store. */
class LogListQuery {
public:
    /** The range codes of "xQSOsIndex". */
    enum Range { Last500 = 0, Last2500, ThisYear, ThisAndLastYear, All };
    /** The orders of "QsoSortIndex"; any other value keeps the newest first. */
    enum Order { DateAscending = 0, DateDescending, ByFrequency, ByMode, ByCallsign };

    /** `year` is the current UTC year (ranges 2 and 3 count from its 1 January). */
    LogListQuery(QString path, formats::DateStyle style, int rangeCode, int order, int year);

    /** How many QSOs the list holds; 0 when the file cannot be read. */
    [[nodiscard]] int count() const;
    /** The rows from `offset` on, at most `limit` of them, in the list's order. */
    [[nodiscard]] QList<QsoClass> rows(int offset, int limit) const;

    /** The range code as the list uses it: unknown codes behave like 0. */
    [[nodiscard]] static int effectiveRange(int rangeCode);

private:
    [[nodiscard]] QString source() const;
    [[nodiscard]] QString orderBy() const;
    [[nodiscard]] int rangeLimit() const;

    QString m_path;
    formats::DateStyle m_style;
    int m_range;
    int m_order;
    QString m_since;
};
