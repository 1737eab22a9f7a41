#pragma once

#include "refdata/BandTable.h"
#include "refdata/OneDxSpotClass.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

class DXCCModel;
class LogModel;
class MyFunctions;

namespace cluster {

/** Turns cluster lines into classified, resolved and coloured spots: band and mode class from
 *  the band table, the entity (no date), IOTA from the entity or the comment, the LoTW mark,
 *  the colours from what the logbook holds, and distance and heading from the own locator.
 *  Options are MyFunctions' "ColoredSpots", "NewOnesOnly" and "CallsToMark". */
class SpotMaker {
public:
    struct Options {
        refdata::BandTable bands;
        bool coloredSpots = true;
        bool newOnesOnly = false;
        QStringList callsToMark;
        /** Distance and heading are measured from here; none without a valid locator. */
        QString myLocator;
    };

    SpotMaker(LogModel &log, DXCCModel &dxcc);

    void setOptions(Options options);
    /** The options as MyFunctions holds them, with the logbook's own locator. */
    void readOptions(const MyFunctions &functions);
    [[nodiscard]] const Options &options() const { return m_options; }

    /** The spot of a line seen at `now`; nothing for a line that is not a spot or a spot the
     *  new-ones-only filter drops. */
    [[nodiscard]] std::optional<OneDxSpotClass> spotFromDxDe(QStringView line,
                                                             const QDateTime &now);
    /** Colours a spot from the logbook; nothing when the new-ones-only filter drops it. */
    [[nodiscard]] std::optional<OneDxSpotClass> makeColors(OneDxSpotClass spot);

private:
    /** Distance and heading from the own locator to the entity's, when both are known. */
    void measure(OneDxSpotClass &spot);

    LogModel &m_log;
    DXCCModel &m_dxcc;
    Options m_options;
    /** Distance and heading per entity locator, for the current own locator. */
    QHash<QString, std::pair<int, int>> m_positions;
};

} // namespace cluster
