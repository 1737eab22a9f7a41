#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace cluster {

/** What a "DX de " line says, before any classification or lookup. */
struct SpotLine {
    QString dxDe;   // the spotter as sent, with its colon
    QString dxCall; // as sent (no LoTW mark yet)
    double kHz = 0.0;
    QString note;
    /** The spot's HHMM[Z] time; none when the line carries no valid time. */
    std::optional<QTime> time;
    /** The token read for the time (the last after the call), for the diagnostic when it is not
     *  one; such a token stays in the note. */
    QString timeText;
    /** The column some nodes put right before the time on request (DXSpider's set/dxcq,
     *  set/dxitu, set/dxgrid, set/usstate): a zone, grid square or state. Not part of the note. */
    QString columnBeforeTime;
    /** The spotter's zone, grid square or state some nodes put after the time. */
    QString spotterColumn;
};

/** Parses one cluster line (CR and BEL endings allowed). Nothing for a line that is not a spot
 *  ("DX de " prefix, a ":" and a call after the frequency). Only HHMM with an optional "Z"
 *  (HH < 24, MM < 60) is a time; a four-character grid (two letters A–R, two digits), a zone or
 *  a US state or Canadian province after the time is the spotter's column; one of these set
 *  right before the time (one space apart, after the comment's padding, an RBN "Z:14" token or
 *  with a spotter's column too) is a column, not comment; runs of spaces never make empty
 *  tokens. A frequency that is not a plain decimal number reads as 0 (no band). */
[[nodiscard]] std::optional<SpotLine> parseSpotLine(QStringView line);

/** The instant of an HH:MM spot time seen at `now` (UTC): today, or yesterday when that would
 *  lie more than an hour ahead (a 2359Z spot arriving after midnight). Seconds are `now`'s. */
[[nodiscard]] QDateTime spotInstant(QTime time, const QDateTime &now);

} // namespace cluster
