#pragma once

#include "model/QsoClass.h"

/** What every newly logged QSO is given before it is stored (the own station's fields of the
 *  active station profile). Imports are not stamped: they carry what the other program kept. */
class NewQsoStamp {
public:
    virtual ~NewQsoStamp() = default;
    /** Fills what the QSO does not carry yet; never overwrites a value it has. */
    virtual void stamp(QsoClass &qso) const = 0;
};
