#pragma once

#include "db/FileStamp.h"
#include "model/WorkedStore.h"

#include <memory>

class UserDefaults;

namespace db {
class Database;
}

/** The worked/confirmed questions of a logbook file, asked many times a second by the cluster.
 *  So the file stays open between questions, and the DX info texts are read once into memory;
 *  both are renewed when the file is replaced (another inode) or, for the texts, changed (see
 *  FileStamp), so a replaced or changed logbook is seen at the next question. */
class FileWorkedStore final : public WorkedStore {
public:
    FileWorkedStore(const UserDefaults &defaults, const QString &path);
    ~FileWorkedStore() override;
    void setPath(const QString &path);

    StationAnswer stationBefore(const QString &callsign, const QString &band, int xMode) override;
    QList<QsoClass> slotsOfEntity(int adif) override;
    QList<QsoClass> slotsOfCallsign(const QString &callsign) override;
    std::optional<QString> storedDxInfo(int adif) override;
    bool saveDxInfoString(const QString &dxcc, const QString &info, int adif) override;
    bool saveAllDxInfoStrings(const QList<DxListEntry> &entries) override;
    QList<QsoClass> qsos60m(int adif) override;
    QList<QsoClass> qsos60mWith(const QString &callsign) override;
    bool hasIota(const QString &reference, Confirmation kind) override;
    bool hasLocator(const QString &square, const QString &band, Confirmation kind) override;
    /** The entity name ("dxcc") of the newest QSO of the entity (any sign); empty when none. */
    [[nodiscard]] QString newestEntityName(int adif);

    /** Rebuilds the DX info texts of the entities (one QSO each, its `adif` and `dxcc`; 0 is no
     *  entity) from the logbook on that connection and stores them there, inside the caller's
     *  transaction, so that they go with the QSOs written in it; false with SQLite's message in
     *  `error` when a statement failed. */
    static bool refreshDxInfo(db::Database &database, const QList<QsoClass> &entities,
                              QString *error);

private:
    /** The open logbook, opened again when the file at the path is another one; null when it
     *  cannot be opened. */
    db::Database *connection();
    bool exists(const QString &statement, std::initializer_list<QVariant> values);
    /** The same with every value bound as text. */
    bool existsWithTexts(const QString &statement, const QStringList &texts);
    QList<QsoClass> query(const QString &statement, std::initializer_list<QVariant> values);
    QList<QsoClass> slotRows(const QString &statement, std::initializer_list<QVariant> values);

    const UserDefaults &m_defaults;
    QString m_path;
    std::unique_ptr<db::Database> m_connection;
    quint64 m_connectionInode = 0;
    // The last station answer: "worked" and "confirmed" are asked one after the other.
    struct StationQuestion {
        QString callsign;
        QString band;
        int xMode = 0;
        std::optional<db::FileStamp> stamp;
        StationAnswer answer;
    };
    std::optional<StationQuestion> m_lastStation;
    std::optional<db::FileStamp> m_dxInfoStamp;
    QHash<int, QString> m_dxInfo;
};
