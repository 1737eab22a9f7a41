#pragma once

#include "refdata/ModesList.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

/** Which logged QSO a received QSL (LoTW or eQSL) belongs to.
 *
 *  A QSL names the station as the other side logged it; our log may carry a portable suffix
 *  ("K1AB/P") but never another station whose call merely starts the same ("K1ABC"). Of the QSOs
 *  in the time window the one nearest in time wins, so pile-up QSOs seconds apart each get their
 *  own QSL; at equal distance one not yet confirmed comes first. A QSO takes at most one QSL of a
 *  report: the caller hands in those already taken. */
namespace qslmatch {

/** The logged call is the QSL's call, or it followed by "/…" (case does not matter). */
[[nodiscard]] bool sameStation(QStringView logged, QStringView received);

/** How well a logged mode fits a received one: 0 the same mode (directly, as the received
 *  submode, or through the ADIF mode/submode list), 1 only the same mode class, -1 not at all.
 *  A received mode may carry its submode as "MFSK/FT4". `modes` may be null (no list). */
[[nodiscard]] int modeFit(const QString &logged, const QString &received,
                          const adif::ModesList *modes);

/** One QSO of the window as the ranking sees it. */
struct Candidate {
    qint64 rowid = 0;
    qint64 secondsApart = 0; // absolute
    bool confirmed = false;  // by the service the QSL comes from
    int modeFit = 0;         // see modeFit(); LoTW does not compare modes and passes 0
};

/** The index of the best candidate not in `taken`; -1 when there is none. */
[[nodiscard]] qsizetype best(const QList<Candidate> &candidates, const QSet<qint64> &taken = {});

} // namespace qslmatch
