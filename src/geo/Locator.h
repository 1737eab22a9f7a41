#pragma once

#include "geo/LatLon.h"

#include <QString>

/** Maidenhead locators: conversion to and from coordinates and the validity check. */
namespace geo {

/** The 6-character locator (field, square, subsquare) of a position; not clamped, so longitude
 *  180° yields a field letter after "R". */
[[nodiscard]] QString getLocator(LatLon position);
/** The 10-character locator, adding the extended square and extended subsquare. */
[[nodiscard]] QString getLocator8(LatLon position);

/** Latitude / longitude of the locator's reference point (centre of its subsquare; a 4-character
 *  square counts as its subsquare "LL"); 0.0 when shorter than 6 characters. Only the first six
 *  characters count and the letters are taken as they are, so they must be upper case. */
[[nodiscard]] double getLat(const QString &locator);
[[nodiscard]] double getLon(const QString &locator);
[[nodiscard]] LatLon getCLLocationFromLocator(const QString &locator);

/** True for 4, 6, 8 or 10 characters, each within its range; case-sensitive. */
[[nodiscard]] bool locatorIsValid(const QString &locator);

} // namespace geo
