#pragma once

#include "db/FileStamp.h"
#include "model/WorkedStore.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <optional>

struct QsoClass;

/** What the cluster asks of a logbook for every spot, held in memory: per station, band and mode
 *  class whether it was worked and confirmed, the entities' stored DX info texts, their 60 m
 *  groups, and the IOTA references worked and confirmed. A skimmer feed brings hundreds of spots
 *  a second, far more than one query each can answer.
 *
 *  Built with one pass over the logbook when first asked, and built again, lazily, when the
 *  logbook file changed in a way this cache was not told about (another program, another
 *  LogModel; see db::FileStamp, looked at no more than once a second) or when it was dropped. A
 *  write of the owning LogModel is framed by beginWrite()/endWrite(): what the writer mirrors in
 *  between (addQso, setDxInfo) keeps the cache, anything else drops it. */
class SpotStatusCache {
public:
    static constexpr qint64 kStampCheckIntervalMs = 1000;

    /** Every mode class at once: what a station question with no known class asks. */
    static constexpr int kEveryMode = 0;

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
    /** A QSO the framing write stored exactly as given. */
    void addQso(const QsoClass &qso);
    /** The DX info text the framing write stored for the entity. */
    void setDxInfo(int adif, const QString &info);

    [[nodiscard]] bool isBuilt() const { return m_built; }

private:
    struct Row;
    /** Per band of a station: bits 0–3 worked in every mode / CW / digital / phone, 4–7
     *  confirmed likewise. */
    struct BandFlags {
        int band = 0;
        quint8 flags = 0;
    };
    using Bands = QVarLengthArray<BandFlags, 2>;

    /** Builds when needed; false when there is nothing to answer from. */
    bool ensureBuilt();
    void build();
    void add(const Row &row);
    [[nodiscard]] int bandId(const QString &band, bool create);

    QString m_path;
    bool m_built = false;
    std::optional<db::FileStamp> m_stamp;
    QElapsedTimer m_lastCheck;
    int m_writeDepth = 0;
    bool m_writeKeeps = false;

    QHash<QString, int> m_bandIds;
    QHash<QString, Bands> m_stations;
    QHash<int, QString> m_dxInfo;
    QHash<int, QString> m_groups60m;
    QSet<QString> m_iotaWorked;
    QSet<QString> m_iotaConfirmed;
};
