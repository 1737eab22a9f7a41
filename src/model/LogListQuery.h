#pragma once

#include "formats/Formats.h"
#include "model/QsoClass.h"

#include <QList>
#include <QString>

#include <functional>

/** One page at a time of a logbook file's QSOs in the log list's range and order, so that even
 *  "all" of a very large logbook shows its first rows at once and never sits in memory whole.
 *  Read-only; every call opens the file and closes it again, like the logbook store. */
namespace db {
class Statement;
}

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
    /** The ids of the rows from `offset` on, at most `limit` of them, in the list's order, read
     *  in one query: what marking a long run of rows needs, without reading whole rows.
     *  `take` gets them one by one and stops the read by returning false. False when the file
     *  could not be read. */
    bool ids(int offset, int limit, const std::function<bool(qint64)> &take) const;
    /** Every row of the list in its order, with the QSOs' extra fields, handed to `take`
     *  `pageSize` QSOs at a time from one reading (one snapshot) of the file; `take` stops the
     *  read by returning false. False with the reason in `readError` when the file could not be
     *  read: the pages handed over until then are no whole answer. */
    bool readAll(qsizetype pageSize, const std::function<bool(QList<QsoClass> &&)> &take,
                 QString *readError) const;

    /** The range code as the list uses it: unknown codes behave like 0. */
    [[nodiscard]] static int effectiveRange(int rangeCode);

private:
    [[nodiscard]] QString source() const;
    [[nodiscard]] QString orderBy() const;
    /** The select of `columns` in the list's range and order, with "limit ? offset ?". */
    [[nodiscard]] QString select(const QString &columns) const;
    /** Binds what select() asks for. */
    void bindPage(db::Statement &statement, int offset, int limit) const;
    [[nodiscard]] int rangeLimit() const;

    QString m_path;
    formats::DateStyle m_style;
    int m_range;
    int m_order;
    QString m_since;
};
