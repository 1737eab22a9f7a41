#pragma once

#include <QDate>
#include <QString>

/** Where on the bands generated QSOs happen: how busy each band is, which modes it carries and
 *  at which frequencies, after the IARU Region 1 band plans and the usual digital-mode dial
 *  frequencies. */
namespace loggen {

class Random;

struct BandAndMode {
    QString band; // the band name as the logbook stores it ("20m")
    QString mode;
    double kHz = 0.0; // on 0.1 kHz, inside the band
};

/** A band by its activity: 20, 40 and 15 m carry most QSOs, 60 m a few. */
[[nodiscard]] int pickBand(Random &random);
/** A mode the band carries, as popular on the given day (FT8 exists from mid-2017 on, FT4 from
 *  2019); the frequency lies in that mode's part of the band. */
[[nodiscard]] BandAndMode pickMode(Random &random, int band, const QDate &day);
/** Another frequency for the same band and mode (the next QSO of a session). */
[[nodiscard]] double retune(Random &random, const BandAndMode &current, int band);

} // namespace loggen
