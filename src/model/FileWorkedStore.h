#pragma once

#include "model/FileStamp.h"
#include "model/WorkedStore.h"

class AppDelegate;

/** The worked/confirmed questions of a logbook file. The DX info texts are read once into memory
 *  and read again when the file changes (another size, modification time or inode), so a
 *  replaced logbook is seen at the next question. */
class FileWorkedStore final : public WorkedStore {
public:
    FileWorkedStore(AppDelegate &app, const QString &path);
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

private:
    bool exists(const QString &statement, std::initializer_list<QVariant> values);
    QList<QsoClass> query(const QString &statement, std::initializer_list<QVariant> values);
    QList<QsoClass> slotRows(const QString &statement, std::initializer_list<QVariant> values);

    AppDelegate &m_app;
    QString m_path;
    FileStamp m_dxInfoStamp;
    QHash<int, QString> m_dxInfo;
};
