#pragma once

#include "db/FileStamp.h"
#include "refdata/DxccIndex.h"
#include "refdata/DxccSource.h"
#include "refdata/FileChangeWatch.h"

#include <memory>
#include <optional>

/** Answers from in-memory copies of ClublogDXCC.db and IOTA.db. At every model operation it
 *  checks whether anything changed in the files' folder and, if so, looks at the files (inode,
 *  size, modification time) and takes the copy of the version now on disk, so a database
 *  replaced by the country-file import is seen at the next query, as when every query opened
 *  the file. The copies belong to this instance (and so to the DXCCModel that owns it): a new
 *  model reads the files afresh. */
class CachedDxccSource : public DxccSource {
public:
    CachedDxccSource(QString clublogPath, QString iotaPath);

    void refresh() override;
    QList<CallException> callsignsAt(QStringView callsign, const QString &dateTime) override;
    QList<CallException> prefixesAt(QStringView prefix, const QString &dateTime) override;
    int invalidCountAt(const QString &callsign, const QString &dateTime) override;
    std::optional<CountryClass> entityByAdif(qint64 adif) override;
    std::optional<CountryClass> entityByPrefix(const QString &prefix) override;
    int ituOf(qint64 adif) override;
    QString iotaOf(qint64 adif) override;

private:
    /** The Club Log tables, or nothing after the open failure was logged again. */
    const refdata::ClublogTables *clublog();
    const refdata::IotaTables *iota();

    QString m_clublogPath;
    QString m_iotaPath;
    refdata::FileChangeWatch m_watch; // both files; a change to one makes both be looked at
    quint64 m_clublogSeen = 0;
    quint64 m_iotaSeen = 0;
    std::optional<db::FileStamp> m_clublogStamp;
    std::optional<db::FileStamp> m_iotaStamp;
    std::shared_ptr<const refdata::ClublogTables> m_clublog;
    std::shared_ptr<const refdata::IotaTables> m_iota;
};
