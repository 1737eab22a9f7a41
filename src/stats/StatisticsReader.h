#pragma once

#include "stats/QsoStatistics.h"

#include <QString>

#include <optional>

namespace stats {

/** One group of QSOs that share month, hour, band, mode and continent, as the logbook hands
 *  them out; texts as stored. */
struct QsoGroup {
    QString month; // "yyyy-MM" taken from the start time
    QString hour;  // "HH"
    QString band;
    QString mode;
    QString continent;
    qint64 count = 0;
};

/** The bars of every kind from the groups: years and months from the first to the last with
 *  QSOs (gaps as zero bars), bands in frequency order, modes by falling count, the seven
 *  continents and the 24 hours always; values that cannot be read go to a last "??" bar. */
[[nodiscard]] std::array<QList<Bar>, kKindCount> barsFromGroups(const QList<QsoGroup> &groups);

/** Reads the statistics of a logbook file: one grouped pass for the bars, one each for the
 *  first and the last QSO per entity, one for the distinct locators. Nothing (and the message in
 * `error`) when the file cannot be read. */
[[nodiscard]] std::optional<QsoStatistics> readStatistics(const QString &logbookPath,
                                                          QString *error = nullptr);

} // namespace stats
