#pragma once

#include <QDateTime>
#include <QString>

/** What the ADIF reader needs to know about DXCC entities. */
namespace adif {

struct AdifEntity {
    int adif = 0; // entity number; negative for an operation that does not count
    QString dxcc; // the entity's prefix
    QString cnt;  // continent
    int cq = 0;
    int itu = 0;
    QString iota; // IOTA reference of a single-group entity, or ""
};

class EntityLookup {
public:
    virtual ~EntityLookup() = default;
    /** The entity of a callsign at an instant. */
    virtual AdifEntity resolve(const QString &callsign, const QDateTime &at) = 0;
    /** The entity with that number. */
    virtual AdifEntity byNumber(int adif) = 0;
    /** The WPX prefix of a callsign. */
    virtual QString prefix(const QString &callsign) = 0;
};

} // namespace adif
