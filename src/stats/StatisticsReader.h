#pragma once

#include "stats/QsoStatistics.h"

#include <QHash>
#include <QString>

#include <optional>

namespace stats {

/** The QSOs counted by start month and hour, by band, by mode and by continent, as the logbook
 *  hands them out: texts as stored. */
struct QsoCounts {
    struct Moment {
        QString month; // "yyyy-MM" taken from the start time
        QString hour;  // "HH"
        qint64 count = 0;
    };
    QList<Moment> moments;
    QHash<QString, qint64> bands;
    QHash<QString, qint64> modes;
    QHash<QString, qint64> continents;
};

/** The bars of every kind from the counts: years and months from the first to the last with
 *  QSOs (gaps as zero bars), bands in frequency order, modes by falling count, the seven
 *  continents and the 24 hours always; values that cannot be read go to a last "??" bar. */
[[nodiscard]] std::array<QList<Bar>, kKindCount> barsFromCounts(const QsoCounts &counts);

/** Reads the statistics of a logbook file: a grouped pass for each dimension of the bars
 *  (several small groupings cost less than one over every combination), one each for the first
 *  and the last QSO per entity, one for the distinct locators. Nothing (and the message in
 * `error`) when the file cannot be read. */
[[nodiscard]] std::optional<QsoStatistics> readStatistics(const QString &logbookPath,
                                                          QString *error = nullptr);

} // namespace stats
