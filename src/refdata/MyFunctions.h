#pragma once

#include "geo/LatLon.h"
#include "refdata/BandTable.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Clock;
class UserDefaults;

/** The helpers screens and models know by name: bands and mode classes over the user's band
 *  table, locators, distance, bearing, sun times and dates, and the spot options. A thin facade:
 *  the work happens in the geo and refdata units. Re-reads its preferences on
 *  "DxPrefsWereChanged". */
class MyFunctions : public QObject {
    Q_OBJECT
public:
    MyFunctions(const UserDefaults &defaults, const Clock &clock, QObject *parent = nullptr);

    /** Reads "QRGs", "NewOnesOnly", "ColoredSpots" and "CallsToMark" again. */
    void loadPrefs();

    /** Bands and mode classes (see refdata/Bands.h and refdata/ModeClasses.h). */
    [[nodiscard]] int qrg2xBand(double kHz) const;
    [[nodiscard]] QString qrg2mBand(double kHz) const;
    [[nodiscard]] static int band2xBand(const QString &name);
    [[nodiscard]] static double mBand2qrg(const QString &name);
    [[nodiscard]] QString qrg2Mode(double kHz) const;
    [[nodiscard]] int qrg2xMode(double kHz) const;
    [[nodiscard]] static int mode2xMode(const QString &mode);

    /** Locators, distance and bearing (see geo/Locator.h, geo/Geodesic.h, geo/Bearing.h). */
    [[nodiscard]] static QString getLocator(geo::LatLon position);
    [[nodiscard]] static QString getLocator8(geo::LatLon position);
    [[nodiscard]] static double getLat(const QString &locator);
    [[nodiscard]] static double getLon(const QString &locator);
    [[nodiscard]] static geo::LatLon getCLLocationFromLocator(const QString &locator);
    [[nodiscard]] static bool locatorIsValid(const QString &locator);
    [[nodiscard]] static int getDistanceFrom(const QString &from, const QString &to);
    [[nodiscard]] static int getBearingFrom(const QString &from, const QString &to);

    /** Sun times and elevation at the application clock's "now" (see geo/Sun.h). */
    [[nodiscard]] QString calcSunrise(const QString &locator, double altitude) const;
    [[nodiscard]] QString calcSunset(const QString &locator, double altitude) const;
    [[nodiscard]] double calcSunElevation(const QString &locator) const;

    /** Date texts (see formats/Formats.h and geo/DateHelpers.h). */
    [[nodiscard]] static std::optional<QDateTime> makeDate(const QString &text);
    [[nodiscard]] static std::optional<QDateTime> makeDateTime(const QString &text);
    [[nodiscard]] static QString sqlDateTime(const QDateTime &instant);
    [[nodiscard]] static QString sqlDate(const QDateTime &instant);
    [[nodiscard]] static QString qslDateTime(const QDateTime &instant);
    [[nodiscard]] static std::optional<QDateTime> dateAt0(const QDateTime &instant);
    [[nodiscard]] static std::optional<QDateTime> dateAt24(const QDateTime &instant);

    /** The loaded preferences. */
    [[nodiscard]] const refdata::BandTable &allQRGs() const { return m_allQRGs; }
    /** The band table the user keeps in "QRGs". */
    [[nodiscard]] static refdata::BandTable bandTable(const UserDefaults &defaults);
    [[nodiscard]] bool newOnesOnly() const { return m_newOnesOnly; }
    [[nodiscard]] bool coloredSpots() const { return m_coloredSpots; }
    [[nodiscard]] const QStringList &callsignsToMark() const { return m_callsignsToMark; }

signals:
    /** The band table or a spot option ("NewOnesOnly", "ColoredSpots", "CallsToMark") changed;
     *  read again already. */
    void optionsChanged();

private:
    const UserDefaults &m_defaults;
    const Clock &m_clock;
    refdata::BandTable m_allQRGs;
    bool m_newOnesOnly = false;
    bool m_coloredSpots = false;
    QStringList m_callsignsToMark;
};
