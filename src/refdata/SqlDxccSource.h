#pragma once

#include "refdata/DxccSource.h"

#include <QStringList>

namespace db {
class Statement;
}

/** Reads the reference databases the plain way: every answer opens the file, runs one
 *  statement and closes it again. Used for the lists the screens show and as the reference the
 *  cached source is measured and checked against. */
class SqlDxccSource : public DxccSource {
public:
    SqlDxccSource(QString clublogPath, QString iotaPath);

    QList<CallException> callsignsAt(QStringView callsign, const QString &dateTime) override;
    QList<CallException> prefixesAt(QStringView prefix, const QString &dateTime) override;
    int invalidCountAt(const QString &callsign, const QString &dateTime) override;
    std::optional<CountryClass> entityByAdif(qint64 adif) override;
    std::optional<CountryClass> entityByPrefix(const QString &prefix) override;
    int ituOf(qint64 adif) override;
    QString iotaOf(qint64 adif) override;

    /** Every `dxcc` row in prefix order (prefix, name, deleted, continent, number). */
    [[nodiscard]] QList<CountryClass> allEntities();
    [[nodiscard]] QStringList allStates();
    [[nodiscard]] QStringList countiesOf(const QString &state);

    /** The entity of a `dxcc` row read by position. */
    [[nodiscard]] static CountryClass entityFromRow(const db::Statement &row);

private:
    QList<CallException> periodRows(const QString &sql, QStringView key, const QString &dateTime);

    QString m_clublogPath;
    QString m_iotaPath;
};
