#pragma once

#include "stats/QsoStatistics.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace db {
class Database;
}

namespace stats {

/** The statistics of one logbook, counted in memory. What each QSO added (its month and hour,
 *  band, mode, continent, locator and its place among its entity's QSOs) is kept by its id, so
 *  that a committed write is taken in by reading only the QSOs it names again: the old values
 *  counted out, the new ones in. The numbers are then those a reading of the whole logbook
 *  (readStatistics) gives.
 *
 *  Not tied to a thread: one is built on a worker and handed over whole. */
class StatisticsTally {
public:
    /** Counts every QSO of the logbook file; false (and the message in `error`) when it cannot
     *  be read, and then nothing is kept. */
    bool build(const QString &path, QString *error = nullptr);
    /** Reads the QSOs with these ids again from the file (those gone are counted out); false
     *  when the file cannot be read, and then the tally is to be built again. */
    bool update(const QString &path, const QSet<qint64> &ids, QString *error = nullptr);
    /** The numbers as they stand. */
    [[nodiscard]] QsoStatistics statistics() const;
    /** How many QSOs are counted. */
    [[nodiscard]] qsizetype size() const { return m_rows.size(); }

private:
    /** A count per distinct text, by a small number given on first sight. */
    template <typename Key> struct Counts {
        QHash<Key, int> numbers;
        QList<Key> keys;
        std::vector<qint64> counts;
        int last = -1; // the number given last
        int numberOf(const Key &key);
    };
    /** What one QSO added, as read. */
    struct Read;
    /** What one QSO added, kept to be counted out. */
    struct Row {
        int moment = 0;
        int band = 0;
        int mode = 0;
        int continent = 0;
        int locator = -1;
        int entity = 0;   // 0: counted for no entity
        QString dateTime; // only with an entity
    };
    using EntityKey = std::pair<QString, qint64>; // start time, id
    struct Entity {
        std::set<EntityKey> qsos;
        qint64 firstId = -1;
        qint64 lastId = -1;
        QsoMoment first;
        QsoMoment last;
        QString prefix; // of the last QSO
    };
    struct Locator {
        qint64 qsos = 0;
        QString square;
        std::optional<geo::LatLon> point; // of a valid locator
    };

    bool readRows(db::Database &database, const QSet<qint64> *ids, QString *error);
    void put(const Read &read);
    void remove(qint64 id);
    /** Finds the entity's first and last QSO again after its QSOs changed. */
    bool settle(db::Database &database, int entity, const QHash<qint64, Read> &justRead,
                QString *error);

    QHash<qint64, Row> m_rows;
    Counts<QString> m_moments; // "yyyy-MM" and "HH" as stored, joined
    Counts<QString> m_bands;
    Counts<QString> m_modes;
    Counts<QString> m_continents;
    QHash<QString, int> m_locatorNumbers;
    std::vector<Locator> m_locators;
    QHash<QString, qint64> m_squares; // QSOs per 4-character grid square
    std::map<int, Entity> m_entities;
};

} // namespace stats
