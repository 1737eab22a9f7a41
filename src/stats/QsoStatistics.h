#pragma once

#include "geo/LatLon.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/** How a logbook's QSOs spread over time, bands, modes and continents, and the first and last
 *  QSO with each DXCC entity: the numbers behind the statistics charts. */
namespace stats {

/** What a chart counts QSOs by. */
enum class Kind { Year = 0, Month, Band, Mode, Continent, Hour };
inline constexpr int kKindCount = 6;

/** The names the command line and the screen use: "year", "month", "band", "mode",
 *  "continent", "hour". */
[[nodiscard]] QString kindName(Kind kind);
[[nodiscard]] std::optional<Kind> kindFromName(const QString &name);
[[nodiscard]] QStringList kindNames();
/** The chart's title: "QSOs per year", … */
[[nodiscard]] QString kindTitle(Kind kind);
/** The map of worked grid squares, beside the charts: its name and title. */
inline constexpr char kGridsName[] = "grids";
[[nodiscard]] QString gridsTitle();

/** The label of QSOs without a usable value (no band, an unreadable time, …). */
inline constexpr char kUnknown[] = "??";

/** One bar: a label and the number of QSOs under it. */
struct Bar {
    QString label;
    qint64 count = 0;
    friend bool operator==(const Bar &, const Bar &) = default;
};

/** One QSO as the entity list shows it. */
struct QsoMoment {
    QString dateTime; // "yyyy-MM-dd HH:mm:ss", UTC
    QString callsign;
    QString band;
    QString mode;
};

/** The first and the last QSO with one entity. */
struct EntitySpan {
    int adif = 0;
    QString prefix;
    qint64 qsos = 0;
    QsoMoment first;
    QsoMoment last;
};

/** Everything the statistics screen and the command line show of one logbook. */
struct QsoStatistics {
    qint64 total = 0;
    std::array<QList<Bar>, kKindCount> bars;
    /** Sorted by entity number; QSOs without an entity are in none. */
    QList<EntitySpan> entities;
    /** The 4-character grid squares of the QSOs' locators, upper case, sorted. */
    QStringList grids;
    /** Where the far stations were: each distinct valid locator once. */
    QList<geo::LatLon> endPoints;

    [[nodiscard]] const QList<Bar> &of(Kind kind) const { return bars.at(int(kind)); }
};

} // namespace stats
