#pragma once

#include "refdata/OneDxSpotClass.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace cluster {

/** Told about every change of the visible rows, so a table model can insert and remove rows
 *  instead of resetting. */
class SpotListObserver {
public:
    virtual ~SpotListObserver() = default;
    virtual void beginInsertRow(int row) = 0;
    virtual void endInsertRow() = 0;
    virtual void beginRemoveRow(int row) = 0;
    virtual void endRemoveRow() = 0;
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
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

    void add(OneDxSpotClass spot);
    /** Sets every spot's age text at `now` and removes those older than two hours. */
    void age(const QDateTime &now);
    void clear();

    [[nodiscard]] int segment() const;
    /** Changing the segment clears the search text. */
    void setSegment(int segment);
    [[nodiscard]] const QString &search() const;
    void setSearch(const QString &text);

    [[nodiscard]] int size() const;        // all spots
    [[nodiscard]] int visibleCount() const; // rows shown
    [[nodiscard]] const OneDxSpotClass &visibleAt(int row) const;
    /** Every spot of a callsign ("." ignored), by frequency ascending. */
    [[nodiscard]] std::vector<OneDxSpotClass> allSpotsOf(const QString &callsign) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace cluster
