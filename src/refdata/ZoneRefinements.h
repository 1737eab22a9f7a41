#pragma once

#include "refdata/CountryClass.h"

#include <QString>

/** Zones and locator of the call areas of the large entities, which span several CQ and ITU
 *  zones. Each takes the base call and its call-area digit (refdata::kNoArea: the digit in the
 *  base call) and overwrites `cq`, `itu` and `locator` of the entity where the area decides. */
namespace refdata {

void getVEallData(const QString &base, int area, CountryClass &country);
void getWallData(const QString &base, int area, CountryClass &country);
void getVKallData(const QString &base, int area, CountryClass &country);
void getUA9allData(const QString &base, int area, CountryClass &country);
void getUAallData(const QString &base, int area, CountryClass &country);

} // namespace refdata
