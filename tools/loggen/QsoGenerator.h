#pragma once

#include "loggen/BandPlan.h"
#include "loggen/Random.h"
#include "model/QsoClass.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

/** Realistic QSOs for test and benchmark logbooks: operating sessions on one band and mode,
 *  callsigns from a real callsign list with some stations worked again and again, and
 *  confirmations in the proportions a long-kept log shows. */
namespace loggen {

struct Options {
    quint64 seed = 1;
    /** The log covers about `years` years up to this day; fixed so that a seed alone decides
     *  the logbook. */
    QDate lastDay{2025, 12, 31};
    int years = 15;
};

class QsoGenerator {
public:
    /** `count` is the number of QSOs the log is meant to have: they are spread over the whole
     *  period. Asking for more continues at the same pace past the last day. The callsign list
     *  must not be empty. */
    QsoGenerator(QStringList callsigns, qint64 count, const Options &options);

    /** The next QSO, later than (or as late as) the one before. */
    [[nodiscard]] QsoClass next();

private:
    void startSession();
    [[nodiscard]] QString pickCallsign();
    void fillConfirmations(QsoClass &qso);
    void fillDetails(QsoClass &qso);

    QStringList m_callsigns;
    quint64 m_seed;
    Random m_random;
    QDateTime m_first;
    qint64 m_secondsPerQso;
    qint64 m_made = 0;
    QDate m_lastDay;

    // The current session.
    qint64 m_sessionLeft = 0;
    bool m_contest = false;
    int m_band = 0;
    BandAndMode m_on;
    QDateTime m_time;
};

} // namespace loggen
