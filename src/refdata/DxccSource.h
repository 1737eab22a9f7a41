#pragma once

#include "refdata/CallException.h"
#include "refdata/CountryClass.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

/** Where DXCCModel reads ClublogDXCC.db and IOTA.db: one answer per statement the resolver
 *  issues. A source that cannot open a database writes the program's diagnostic line and
 *  answers the empty value. */
class DxccSource {
public:
    virtual ~DxccSource() = default;

    /** Called at the start of every model operation; a caching source checks its files here,
     *  so a replaced database is seen at the next operation. */
    virtual void refresh() {}

    /** Full-callsign exceptions valid at the date-time text, in table order. */
    virtual QList<CallException> callsignsAt(QStringView callsign, const QString &dateTime) = 0;
    /** Prefix rows valid at the date-time text, in table order. */
    virtual QList<CallException> prefixesAt(QStringView prefix, const QString &dateTime) = 0;
    /** Invalid-operation rows of the callsign valid at the date-time text. */
    virtual int invalidCountAt(const QString &callsign, const QString &dateTime) = 0;
    /** The first `dxcc` row of the entity or the prefix: name, prefix, deleted, cq zone,
     *  continent, number (column 7) and the locator of its centre. */
    virtual std::optional<CountryClass> entityByAdif(qint64 adif) = 0;
    virtual std::optional<CountryClass> entityByPrefix(const QString &prefix) = 0;
    /** Main ITU zone of the entity, 0 when unknown. */
    virtual int ituOf(qint64 adif) = 0;
    /** First IOTA reference of the entity, "" when none. */
    virtual QString iotaOf(qint64 adif) = 0;
};
