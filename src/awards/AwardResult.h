#pragma once

#include "awards/Award.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace awards {

/** Which QSOs a question looks at and which confirmation counts. */
struct AwardFilter {
    int xBand = -1;    // band number (refdata::band2xBand); -1 every band
    int modeClass = 0; // 1 CW, 2 digital, 3 phone; 0 every mode
    Confirmation confirmation = Confirmation::Any;
    QString ownCall; // upper case; empty: every own call
};

/** One thing an award counts (a state, a zone, a prefix, a park …) and how far it is. */
struct AwardItem {
    QString id;
    bool worked = false;
    bool confirmed = false;
    int qsos = 0;
    /** Activator side only: UTC days with enough QSOs for a valid activation. */
    int validActivations = 0;
};

struct AwardCount {
    int worked = 0;
    int confirmed = 0;
    friend bool operator==(const AwardCount &, const AwardCount &) = default;
};

struct AwardResult {
    Award award = Award::Was;
    int worked = 0;
    int confirmed = 0;
    /** Worked items, in the award's order (zones by number, others alphabetically). */
    QList<AwardItem> items;
    /** Whether the award has a fixed set, so that `needed` means something. */
    bool finite = false;
    /** Items of the set not yet confirmed (with the confirmation asked for); worked ones are
     *  marked in `items`. */
    QStringList needed;
    /** Grids on one band: the VUCC total of that band. */
    std::optional<int> threshold;
    /** IOTA: groups worked and confirmed by continent. */
    QMap<QString, AwardCount> byContinent;
    /** POTA, SOTA, WWFF: the references activated (the QSOs made from them). */
    QList<AwardItem> activated;
    int validActivated = 0; // references with at least one valid activation
    /** The own calls the counted QSOs were made under. */
    QStringList ownCalls;
};

/** Items worked and confirmed per band and mode class: what the endorsements count. */
struct AwardTable {
    /** Mode column 0 is every mode, 1–3 CW, digital, phone. */
    using Row = std::array<AwardCount, 4>;
    /** The bands with QSOs, by band number (refdata), in frequency order; 0: QSOs with no known
     *  band. */
    QList<int> bands;
    QList<Row> rows; // one per band
    Row total;
};

} // namespace awards
