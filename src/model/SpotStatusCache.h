#pragma once

#include "db/FileStamp.h"
#include "model/QsoChange.h"
#include "model/WorkedStore.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVarLengthArray>

#include <array>
#include <optional>
#include <vector>

namespace db {
class Database;
}

/** What the cluster asks of a logbook for every spot, held in memory: per station, band and mode
 *  class whether it was worked and confirmed, the entities' stored DX info texts, their 60 m
 *  groups, and the IOTA references worked and confirmed. A skimmer feed brings hundreds of spots
 *  a second, far more than one query each can answer.
 *
 *  Every answer is a count of QSOs (worked, confirmed, …), and the few columns of each QSO that
 *  feed the counts are kept by row id, so a write that names its rows is taken in by reading just
 *  those rows again: their old values are counted out and the new ones in, which gives exactly
 *  what a build over the whole logbook would.
 *
 *  Built with one pass over the logbook when first asked, and built again, lazily, when the
 *  logbook file changed in a way this cache was not told about (another program, another
 *  LogModel; see db::FileStamp, looked at no more than once a second) or when it was dropped. A
 *  write of the owning LogModel is framed by beginWrite()/endWrite(): what the writer reports in
 *  between (rowsWritten, rowsAdded, setDxInfo) keeps the cache, anything else drops it. */
class SpotStatusCache {
public:
    static constexpr qint64 kStampCheckIntervalMs = 1000;
    /** Every mode class at once: what a station question with no known class asks. */
    static constexpr int kEveryMode = 0;
    /** A change naming more rows than this part of the logbook is cheaper to build again. */
    static constexpr int kRereadShare = 8;

    void setPath(const QString &path);
    /** Forgets everything; the next question builds again. */
    void invalidate();

    /** Whether the station was worked / confirmed (paper "R" or "X", LoTW "X") on the band in the
     *  mode class 1–3 (CW with "PCW", digital, phone); any other class means every mode. The
     *  callsign and band compare exactly, as stored. */
    [[nodiscard]] WorkedStore::StationAnswer station(const QString &callsign, const QString &band,
                                                     int xMode);
    /** The stored DX info text of an entity (any sign); nothing when there is none. */
    [[nodiscard]] std::optional<QString> dxInfo(int adif);
    /** The 60 m group of the entity's QSOs with exactly this number, "..." when none. */
    [[nodiscard]] QString group60m(int adif);
    [[nodiscard]] bool iotaWorked(const QString &reference);
    /** Paper "R" or "X", or LoTW "X". */
    [[nodiscard]] bool iotaConfirmed(const QString &reference);
    /** The DX info text the entity's QSOs (any sign of the number) make, as
     *  dxinfo::infoFromQsos gives it, empty when it has none; nothing when this cache cannot
     *  vouch for the file (then ask the logbook). Asked inside a write frame, it answers for the
     *  rows reported so far. */
    [[nodiscard]] std::optional<QString> dxInfoFromQsos(int adif);

    /** Around a write of the owning model. Nested frames count as one. */
    void beginWrite();
    void endWrite();
    /** beginWrite() until the end of the scope. */
    class WriteFrame {
    public:
        explicit WriteFrame(SpotStatusCache &cache) : m_cache(cache) { m_cache.beginWrite(); }
        ~WriteFrame() { m_cache.endWrite(); }
        WriteFrame(const WriteFrame &) = delete;
        WriteFrame &operator=(const WriteFrame &) = delete;

    private:
        SpotStatusCache &m_cache;
    };
    /** The framing write added, changed or deleted these rows (committed already). */
    void rowsWritten(const QSet<qint64> &ids);
    /** The framing write added rows after every row there was, and changed nothing else (an
     *  import). */
    void rowsAdded();
    /** The DX info text the framing write stored for the entity. */
    void setDxInfo(int adif, const QString &info);
    /** A write committed on this logbook through another connection of this program (a QSL
     *  download, a pinned model): its rows are read again, and the DX info texts with them. A
     *  change that names no rows, or very many, drops the cache instead. */
    void takeChange(const QsoChange &change);

    [[nodiscard]] bool isBuilt() const { return m_built; }

private:
    struct Row;
    /** What one QSO adds to the counts, kept by row id to be counted out again. */
    struct Entry {
        int slot = -1; // index into m_slots; -1: no callsign or band
        int iota = -1; // index into m_iotas; -1: no reference
        qint32 adif = 0;
        quint8 modeClass = 0; // station mode class, kEveryMode for a missing mode
        quint8 xBand = 0;     // DX info band 1–12, 0 when not tracked
        quint8 xMode = 0;     // 1–3
        bool band60m = false;
        bool confirmed = false; // paper "R"/"X" or LoTW "X"
        bool paper = false;     // paper "R", "X" or "G"
        bool lotw = false;      // LoTW "X"
    };
    /** QSOs of one station on one band: worked and confirmed per mode class (0 every mode). */
    struct SlotCounts {
        std::array<quint32, 4> worked{};
        std::array<quint32, 4> confirmed{};
    };
    struct BandSlot {
        int band = 0;
        int slot = 0;
    };
    using Bands = QVarLengthArray<BandSlot, 2>;
    /** QSOs behind one cell of a DX info text or 60 m group. */
    struct Cell {
        quint32 worked = 0;
        quint32 paper = 0;
        quint32 lotw = 0;
    };
    struct Entity {
        quint32 qsos = 0;
        std::array<Cell, 36> cells{}; // by dxinfo::cellIndex / 4 * 3 + mode
    };
    struct IotaCounts {
        quint32 worked = 0;
        quint32 confirmed = 0;
    };

    /** Builds when needed; false when there is nothing to answer from. */
    bool ensureBuilt();
    void build();
    void readDxList(db::Database &database);
    /** Opens the logbook to read; false (the cache dropped) when it cannot be. */
    bool open(db::Database &database);
    /** Reads the rows again and counts their old values out and their new ones in; false when
     *  the file could not be read (the cache is dropped then). */
    bool reread(db::Database &database, const QSet<qint64> &ids);
    [[nodiscard]] bool canApply() const;
    void put(qint64 id, const Row &row);
    void remove(qint64 id);
    void count(const Entry &entry, int step);
    [[nodiscard]] Entry entryOf(const Row &row);
    [[nodiscard]] int bandId(const QString &band, bool create);
    [[nodiscard]] static QChar cellLetter(const Cell &cell, QChar empty);

    QString m_path;
    bool m_built = false;
    std::optional<db::FileStamp> m_stamp;
    QElapsedTimer m_lastCheck;
    int m_writeDepth = 0;
    bool m_writeKeeps = false;

    QHash<QString, int> m_bandIds;
    QHash<QString, Bands> m_stations;
    std::vector<SlotCounts> m_slots;
    QHash<QString, int> m_iotaIds;
    std::vector<IotaCounts> m_iotas;
    QHash<int, Entity> m_entities;               // by the number without its sign
    QHash<int, std::array<Cell, 3>> m_groups60m; // by the number as stored
    QHash<qint64, Entry> m_rows;
    qint64 m_maxId = 0; // the largest id in m_rows while m_maxIdKnown
    bool m_maxIdKnown = true;
    QHash<int, QString> m_dxInfo;
};
