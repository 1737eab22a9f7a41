#pragma once

#include "refdata/OneDxSpotClass.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

namespace cluster {

/** The age text of a spot: "Now" (also for a time ahead), "12 min", "1.5 h". */
[[nodiscard]] QString ageText(double minutes);
[[nodiscard]] QString spotAge(const QDateTime &stamp, const QDateTime &now);

/** Told about every change of the visible rows, so a table model can insert and remove rows
 *  instead of resetting. Rows are numbered as they are before the change. */
class SpotListObserver {
public:
    virtual ~SpotListObserver() = default;
    virtual void beginInsertRows(int first, int last) = 0;
    virtual void endInsertRows() = 0;
    virtual void beginRemoveRows(int first, int last) = 0;
    virtual void endRemoveRows() = 0;
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
    /** A visible spot changed in place (it was superseded and the rows show superseded ones). */
    virtual void rowChanged(int row) = 0;
    /** The age texts of the visible rows changed. */
    virtual void agesChanged() = 0;
};

/** Every accepted spot in time order (oldest first) and the rows the table shows: a band
 *  segment (0 all bands, 1..23 one band number, kAllSpotsSegment every spot including superseded
 *  ones) and a case-insensitive callsign search. A newer spot of the same call, band and mode
 *  supersedes ("doppelt") the older; spots older than two hours go at ageing; at most
 *  `capacity` spots are kept (oldest first out). Adding costs a hash lookup and, for spots in
 *  time order, an append. */
class SpotList {
public:
    static constexpr int kAllSpotsSegment = 24;
    static constexpr int kDefaultCapacity = 20000;

    explicit SpotList(int capacity = kDefaultCapacity);
    ~SpotList();

    void setObserver(SpotListObserver *observer);

    /** Orders the spot by `timeSince1970` (after spots of the same time) and marks it the
     *  current one of its call, band and mode. When the list is full the oldest spot goes; a
     *  spot older than all of a full list is not taken. */
    void add(OneDxSpotClass spot);
    /** Sets every spot's age text at `now` ("Now", "%1.0f min", "0.0 h"; a time ahead of `now`
     *  is "Now") and removes those older than two hours, in one pass. */
    void age(const QDateTime &now);
    void clear();

    [[nodiscard]] int capacity() const;
    [[nodiscard]] int segment() const;
    /** Changing the segment clears the search text; a segment out of range is ignored. */
    void setSegment(int segment);
    [[nodiscard]] const QString &search() const;
    void setSearch(const QString &text);

    [[nodiscard]] int size() const;         // all spots
    [[nodiscard]] int visibleCount() const; // rows shown
    [[nodiscard]] const OneDxSpotClass &visibleAt(int row) const;
    /** Every spot of a callsign ("." ignored), by frequency ascending. */
    [[nodiscard]] std::vector<OneDxSpotClass> allSpotsOf(const QString &callsign) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace cluster
