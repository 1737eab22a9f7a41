#pragma once

#include "awards/Award.h"
#include "awards/AwardQso.h"
#include "awards/AwardResult.h"
#include "db/FileStamp.h"
#include "model/QsoChange.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVarLengthArray>

#include <array>
#include <optional>
#include <vector>

namespace db {
class Database;
}

namespace awards {

/** Every award of one logbook, counted in memory: per award, item, band, mode class and own
 *  call how many QSOs there are and how many are confirmed on paper, through LoTW and through
 *  eQSL. What each QSO added is kept by its id, so a committed write that names its QSOs is
 *  taken in by reading those again: the old values counted out, the new ones in, which gives
 *  what a count over the whole logbook would.
 *
 *  Built with one read of the logbook when first asked, and again when the file changed without
 *  this engine being told (another program, the command line). */
class AwardEngine {
public:
    /** A change naming more QSOs than this part of the logbook is cheaper to count again. */
    static constexpr int kRereadShare = 8;

    void setPath(const QString &path);
    [[nodiscard]] const QString &path() const { return m_path; }
    /** Forgets everything; the next question counts again. */
    void invalidate();
    /** Takes a committed write in (see the class comment); `many` counts again. */
    void takeChange(const QsoChange &change);

    [[nodiscard]] AwardResult result(Award award, const AwardFilter &filter);
    [[nodiscard]] AwardTable table(Award award, Confirmation confirmation,
                                   const QString &ownCall = {});
    /** The ids of the QSOs that count for one item (oldest id first). */
    [[nodiscard]] QList<qint64> qsoIds(Award award, const QString &item, const AwardFilter &filter);
    /** Whether the counts were read and still match the file (for tests and benchmarks). */
    [[nodiscard]] bool isBuilt() const { return m_built; }
    /** Counts now when needed; false when the logbook cannot be read. */
    bool ensureBuilt();
    /** How often the whole logbook was read. */
    [[nodiscard]] int builds() const { return m_builds; }

private:
    struct Cell {
        quint32 item = 0;
        quint8 xBand = 0;
        quint8 mode = 0;
        quint16 call = 0;
        quint32 worked = 0;
        std::array<quint32, 3> confirmed{}; // paper, LoTW, eQSL
    };
    struct Day {
        quint32 item = 0;
        quint16 call = 0;
        quint8 award = 0;
        quint32 contacts = 0; // distinct contacts that count
    };
    /** What one QSO added, kept to be counted out again. */
    struct Entry {
        QVarLengthArray<quint64, 6> cells; // award << 32 | cell index
        std::vector<quint32> contacts;     // activation contact ids
        quint8 confirmations = 0;
    };

    void build();
    bool readQsos(db::Database &database, const QString &where, const QSet<qint64> &ids);
    void put(qint64 id, const AwardQso &qso);
    void remove(qint64 id);
    void count(const Entry &entry, int step);
    [[nodiscard]] Entry entryOf(const AwardQso &qso);
    [[nodiscard]] quint32 cellOf(int award, int itemNumber, int xBand, int mode, int call);
    [[nodiscard]] int itemId(int award, const QString &item, bool create);
    /** The items of a QSO for one award as item ids; the short fields (zones, states,
     *  continents, grid fields) and calls go through memos of the rules' answers. */
    void itemIdsFor(int award, const AwardQso &qso, QVarLengthArray<int, 4> &ids);
    /** The item id (or -1 for none) the rules give a short field of one award, memoised by the
     *  field's characters. */
    [[nodiscard]] int shortFieldItem(int award, const QString &text, const AwardQso &probe);
    [[nodiscard]] bool matches(const Cell &cell, const AwardFilter &filter) const;
    [[nodiscard]] QList<AwardItem> items(int award, const AwardFilter &filter) const;

    QString m_path;
    bool m_built = false;
    int m_builds = 0;
    std::optional<db::FileStamp> m_stamp;
    QString m_logbookCall;
    QString m_ownCall; // of QSOs that name none: the logbook's, upper case

    std::array<std::vector<Cell>, kAwardCount> m_cells;
    std::array<QHash<quint64, quint32>, kAwardCount> m_cellIndex;
    /** Cells of the first own call: item * 128 + band * 4 + mode → cell number + 1. */
    std::array<std::vector<quint32>, kAwardCount> m_denseCells;
    std::array<QHash<QString, int>, kAwardCount> m_itemIds;
    std::array<QStringList, kAwardCount> m_itemNames;
    QHash<QString, int> m_callIds;
    int m_ownCallId = -1; // of m_ownCall
    /** Per award, a short field's code (see shortFieldItem) → item id + 2 (1 none, 0 not yet). */
    std::array<std::vector<int>, kAwardCount> m_shortItems;
    QHash<QString, int> m_wpxItems;    // callsign as stored → WPX item id, -1 none
    QHash<quint64, int> m_wpxCodes;    // prefix of a plain call by its code → WPX item id
    std::vector<int> m_gridItems;      // grid field code → item id + 1 (0 not yet)
    QHash<QString, int> m_bandNumbers; // band as stored → band number
    QString m_lastBand;
    int m_lastBandNumber = -1;
    bool m_building = false;
    QStringList m_calls;
    QHash<QString, quint32> m_contactIds;
    std::vector<quint32> m_contactQsos; // QSOs per contact id
    std::vector<quint32> m_contactDay;  // day id per contact id
    QHash<QString, quint32> m_dayIds;
    std::vector<Day> m_days;
    QHash<qint64, Entry> m_rows;
    QVarLengthArray<int, 4> m_scratchIds;
};

} // namespace awards
